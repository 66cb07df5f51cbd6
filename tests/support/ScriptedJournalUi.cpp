#include "support/ScriptedJournalUi.h"

#include "dialogs/DialogChecks.h"

#include <gtest/gtest.h>

namespace {

template <class Values> constexpr const char* dialogName() {
    if constexpr (std::is_same_v<Values, PasswordValues>) {
        return "password dialog";
    } else if constexpr (std::is_same_v<Values, ChangePasswordValues>) {
        return "change password dialog";
    } else if constexpr (std::is_same_v<Values, NewJournalValues>) {
        return "new journal dialog";
    } else if constexpr (std::is_same_v<Values, OptionsValues>) {
        return "options dialog";
    } else if constexpr (std::is_same_v<Values, CommentValues>) {
        return "comment dialog";
    } else {
        static_assert(std::is_same_v<Values, ChangeDateValues>);
        return "change date dialog";
    }
}

// What the real dialog's OK check says about the values, or nothing when OK closes it.
std::optional<DialogProblem> okCheck(const PasswordValues&) {
    return std::nullopt;
}
std::optional<DialogProblem> okCheck(const ChangePasswordValues& v) {
    return checkChangePassword(v);
}
std::optional<DialogProblem> okCheck(const NewJournalValues& v) {
    return checkNewJournal(v);
}
std::optional<DialogProblem> okCheck(const OptionsValues& v) {
    return checkOptions(v);
}
std::optional<DialogProblem> okCheck(const CommentValues& v) {
    return checkComment(v);
}
std::optional<DialogProblem> okCheck(const ChangeDateValues&) {
    return std::nullopt;
}

// Whether the script typed into a field the real dialog shows disabled.
template <class Values> bool typedIntoDisabledField(const Values&, const Values&) {
    return false;
}
bool typedIntoDisabledField(const ChangePasswordValues& shown, const ChangePasswordValues& edited) {
    return !shown.m_hasPassword && edited.m_oldPassword != shown.m_oldPassword;
}

const char* answerName(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return "OK";
    case MessageAnswer::Cancel:
        return "Cancel";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    }
    return "?";
}

} // namespace

ScriptedJournalUi::~ScriptedJournalUi() {
    if (!m_script.empty()) {
        ADD_FAILURE() << m_script.size() << " scripted step(s) never asked for";
    }
}

void ScriptedJournalUi::answerMessage(MessageAnswer answer) {
    m_script.push_back(MessageStep{std::nullopt, answer});
}

void ScriptedJournalUi::answerMessage(std::string expectedText, MessageAnswer answer) {
    m_script.push_back(MessageStep{std::move(expectedText), answer});
}

void ScriptedJournalUi::chooseWelcome(WelcomeChoice choice) {
    m_script.push_back(WelcomeStep{choice});
}

void ScriptedJournalUi::chooseJournal(std::optional<std::string> path) {
    m_script.push_back(OpenStep{std::move(path)});
}

std::vector<std::string> ScriptedJournalUi::messageTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : messages()) {
        texts.push_back(box.text);
    }
    return texts;
}

std::vector<std::string> ScriptedJournalUi::log() const {
    std::vector<std::string> lines;
    for (const Shown& item : m_shown) {
        std::visit(
            [&lines](const auto& shown) {
                using T = std::decay_t<decltype(shown)>;
                if constexpr (std::is_same_v<T, MessageBoxRequest>) {
                    lines.push_back("message: " + shown.text);
                } else if constexpr (std::is_same_v<T, WelcomeShown>) {
                    lines.push_back("welcome dialog");
                } else if constexpr (std::is_same_v<T, OpenShown>) {
                    lines.push_back("open-file dialog");
                } else {
                    lines.push_back(dialogName<T>());
                }
            },
            item);
    }
    return lines;
}

std::string ScriptedJournalUi::describe(const Step& step) {
    return std::visit(
        [](const auto& s) -> std::string {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, MessageStep>) {
                return "message box \"" + s.expectedText.value_or("(any text)") + "\"";
            } else if constexpr (std::is_same_v<T, WelcomeStep>) {
                return "welcome dialog";
            } else if constexpr (std::is_same_v<T, OpenStep>) {
                return "open-file dialog";
            } else {
                return dialogName<typename T::ValuesType>();
            }
        },
        step);
}

template <class Wanted>
std::optional<Wanted> ScriptedJournalUi::takeStep(const std::string& asked) {
    if (m_script.empty()) {
        ADD_FAILURE() << "unscripted " << asked;
        return std::nullopt;
    }
    auto* step = std::get_if<Wanted>(&m_script.front());
    if (step == nullptr) {
        ADD_FAILURE() << "asked " << asked << " where the script expects "
                      << describe(m_script.front());
        return std::nullopt;
    }
    Wanted taken = std::move(*step);
    m_script.pop_front();
    return taken;
}

MessageAnswer ScriptedJournalUi::messageBox(const MessageBoxRequest& box) {
    m_shown.emplace_back(box);
    if (!offers(box.buttons, box.defaultAnswer)) {
        ADD_FAILURE() << "message box \"" << box.text << "\" defaults to a button it lacks";
    }
    const auto step = takeStep<MessageStep>("message box \"" + box.text + "\"");
    if (!step) {
        return box.defaultAnswer;
    }
    if (step->expectedText && *step->expectedText != box.text) {
        ADD_FAILURE() << "message box \"" << box.text << "\" where the script expects \""
                      << *step->expectedText << "\"";
    }
    if (!offers(box.buttons, step->answer)) {
        ADD_FAILURE() << "scripted answer " << answerName(step->answer) << " is not a button of \""
                      << box.text << "\"";
        return box.defaultAnswer;
    }
    return step->answer;
}

template <class Values> bool ScriptedJournalUi::runDialog(Values& values) {
    m_shown.emplace_back(values);
    const auto step = takeStep<DialogStep<Values>>(dialogName<Values>());
    if (!step || !step->accept) {
        return false;
    }
    Values edited = values;
    if (step->edit) {
        step->edit(edited);
    }
    if (typedIntoDisabledField(values, edited)) {
        ADD_FAILURE() << "the script typed into a disabled field of the " << dialogName<Values>();
        return false;
    }
    if (const auto problem = okCheck(edited)) {
        ADD_FAILURE() << "the " << dialogName<Values>()
                      << " would not close with OK on the scripted values: " << problem->message;
        return false;
    }
    values = std::move(edited);
    return true;
}

bool ScriptedJournalUi::runPasswordDialog(PasswordValues& values) {
    // The real prompt empties its field each time it is shown.
    values.m_password.clear();
    return runDialog(values);
}

bool ScriptedJournalUi::runChangePasswordDialog(ChangePasswordValues& values) {
    return runDialog(values);
}

bool ScriptedJournalUi::runNewJournalDialog(NewJournalValues& values) {
    if (!runDialog(values)) {
        return false;
    }
    finishNewJournal(values);
    return true;
}

bool ScriptedJournalUi::runOptionsDialog(OptionsValues& values) {
    return runDialog(values);
}

bool ScriptedJournalUi::runCommentDialog(CommentValues& values) {
    return runDialog(values);
}

bool ScriptedJournalUi::runChangeDateDialog(ChangeDateValues& values) {
    if (!runDialog(values)) {
        return false;
    }
    values.m_result = combineDateAndTime(values.m_date, values.m_time);
    return true;
}

WelcomeChoice ScriptedJournalUi::runWelcomeDialog() {
    m_shown.emplace_back(WelcomeShown{});
    const auto step = takeStep<WelcomeStep>("welcome dialog");
    return step ? step->choice : WelcomeChoice::Close;
}

std::optional<std::string> ScriptedJournalUi::chooseJournalToOpen() {
    m_shown.emplace_back(OpenShown{});
    const auto step = takeStep<OpenStep>("open-file dialog");
    return step ? step->path : std::nullopt;
}
