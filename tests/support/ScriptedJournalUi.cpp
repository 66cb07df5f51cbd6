#include "support/ScriptedJournalUi.h"

#include "dialogs/DialogChecks.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using OpenChoice = std::optional<std::string>;

std::string describe(std::type_index asks, const std::optional<std::string>& text) {
    if (asks == typeid(MessageBoxRequest))
        return "message box \"" + text.value_or("(any text)") + "\"";
    static const std::map<std::type_index, const char*> names = {
        {typeid(PasswordValues), "password dialog"},
        {typeid(ChangePasswordValues), "change password dialog"},
        {typeid(NewJournalValues), "new journal dialog"},
        {typeid(OptionsValues), "options dialog"},
        {typeid(CommentValues), "comment dialog"},
        {typeid(ChangeDateValues), "change date dialog"},
        {typeid(WelcomeChoice), "welcome dialog"},
        {typeid(OpenChoice), "open-file dialog"}};
    return names.at(asks);
}

// What the real dialog's OK check says about the values, or nothing when OK closes it.
template <class Values> std::optional<DialogProblem> okCheck(const Values&) {
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

// Whether the script typed into a field the real dialog shows disabled.
template <class Values> bool typedIntoDisabledField(const Values&, const Values&) {
    return false;
}
bool typedIntoDisabledField(const ChangePasswordValues& shown, const ChangePasswordValues& edited) {
    return !shown.m_hasPassword && edited.m_oldPassword != shown.m_oldPassword;
}

} // namespace

ScriptedJournalUi::~ScriptedJournalUi() {
    if (!m_script.empty())
        ADD_FAILURE() << m_script.size() << " scripted step(s) never asked for";
}

void ScriptedJournalUi::answerMessage(std::optional<std::string> expectedText,
                                      MessageAnswer answer) {
    m_script.push_back({typeid(MessageBoxRequest), std::move(expectedText), answer, {}});
}

void ScriptedJournalUi::chooseWelcome(WelcomeChoice choice) {
    m_script.push_back({typeid(WelcomeChoice), {}, {}, [choice](std::any& chosen) {
                            chosen = choice;
                            return true;
                        }});
}

void ScriptedJournalUi::chooseJournal(std::optional<std::string> path) {
    m_script.push_back({typeid(OpenChoice), {}, {}, [path](std::any& chosen) {
                            chosen = path;
                            return true;
                        }});
}

std::vector<std::string> ScriptedJournalUi::messageTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : messages())
        texts.push_back(box.text);
    return texts;
}

std::optional<ScriptedJournalUi::Step> ScriptedJournalUi::take(std::any shown) {
    const auto* box = std::any_cast<MessageBoxRequest>(&shown);
    const std::string asked = describe(shown.type(), box ? OpenChoice(box->text) : std::nullopt);
    m_log.push_back(box ? "message: " + box->text : asked);
    m_shown.push_back(shown);
    if (m_script.empty()) {
        ADD_FAILURE() << "unscripted " << asked;
        return std::nullopt;
    }
    if (m_script.front().asks != shown.type()) {
        ADD_FAILURE() << "asked " << asked << " where the script expects "
                      << describe(m_script.front().asks, m_script.front().text);
        return std::nullopt;
    }
    Step step = std::move(m_script.front());
    m_script.pop_front();
    return step;
}

MessageAnswer ScriptedJournalUi::messageBox(const MessageBoxRequest& box) {
    if (!offers(box.buttons, box.defaultAnswer))
        ADD_FAILURE() << "message box \"" << box.text << "\" defaults to a button it lacks";
    const auto step = take(box);
    if (!step)
        return box.defaultAnswer;
    if (step->text && *step->text != box.text)
        ADD_FAILURE() << "message box \"" << box.text << "\" where the script expects \""
                      << *step->text << "\"";
    if (!offers(box.buttons, step->answer)) {
        const char* const names[] = {"OK", "Cancel", "Yes", "No"};
        ADD_FAILURE() << "scripted answer " << names[static_cast<int>(step->answer)]
                      << " is not a button of \"" << box.text << "\"";
        return box.defaultAnswer;
    }
    return step->answer;
}

template <class Values> bool ScriptedJournalUi::runDialog(Values& values) {
    const auto step = take(values);
    std::any reply = values;
    if (!step || !step->reply(reply))
        return false;
    const Values& edited = std::any_cast<const Values&>(reply);
    const std::string name = describe(typeid(Values), std::nullopt);
    if (typedIntoDisabledField(values, edited)) {
        ADD_FAILURE() << "the script typed into a disabled field of the " << name;
        return false;
    }
    if (const auto problem = okCheck(edited)) {
        ADD_FAILURE() << "the " << name
                      << " would not close with OK on the scripted values: " << problem->message;
        return false;
    }
    values = edited;
    return true;
}

bool ScriptedJournalUi::runPasswordDialog(PasswordValues& values) {
    values.m_password.clear(); // the real prompt empties its field each time it is shown
    return runDialog(values);
}

bool ScriptedJournalUi::runChangePasswordDialog(ChangePasswordValues& values) {
    return runDialog(values);
}

bool ScriptedJournalUi::runOptionsDialog(OptionsValues& values) {
    return runDialog(values);
}

bool ScriptedJournalUi::runCommentDialog(CommentValues& values) {
    return runDialog(values);
}

bool ScriptedJournalUi::runNewJournalDialog(NewJournalValues& values) {
    if (!runDialog(values))
        return false;
    finishNewJournal(values);
    return true;
}

bool ScriptedJournalUi::runChangeDateDialog(ChangeDateValues& values) {
    if (!runDialog(values))
        return false;
    values.m_result = combineDateAndTime(values.m_date, values.m_time);
    return true;
}

WelcomeChoice ScriptedJournalUi::runWelcomeDialog() {
    std::any choice = WelcomeChoice::Close;
    if (const auto step = take(choice))
        step->reply(choice);
    return std::any_cast<WelcomeChoice>(choice);
}

std::optional<std::string> ScriptedJournalUi::chooseJournalToOpen() {
    std::any choice = OpenChoice();
    if (const auto step = take(choice))
        step->reply(choice);
    return std::any_cast<OpenChoice>(choice);
}
