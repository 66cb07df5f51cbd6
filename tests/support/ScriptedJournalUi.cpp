#include "support/ScriptedJournalUi.h"

#include "core/dialogs/DialogChecks.h"

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
        {typeid(SaveJournalAsValues), "save journal as dialog"},
        {typeid(FolderChoiceValues), "folder picker"},
        {typeid(WelcomeChoice), "welcome dialog"},
        {typeid(OpenChoice), "open-file dialog"}};
    return names.at(asks);
}

// Why the real dialog would not take the scripted values (a failure of the script), or "".
template <class Values> std::string refusal(const Values& shown, const Values& edited) {
    std::optional<DialogProblem> problem;
    if constexpr (std::is_same_v<Values, ChangePasswordValues>) {
        if (!shown.m_hasPassword && edited.m_oldPassword != shown.m_oldPassword)
            return "the script typed into a disabled field";
        problem = checkChangePassword(edited);
    } else if constexpr (std::is_same_v<Values, NewJournalValues>) {
        problem = checkNewJournal(edited);
    } else if constexpr (std::is_same_v<Values, OptionsValues>) {
        problem = checkOptions(edited);
    } else if constexpr (std::is_same_v<Values, CommentValues>) {
        problem = checkComment(edited);
    }
    return problem ? "would not close with OK on the scripted values: " + problem->message
                   : std::string();
}

} // namespace

ScriptedJournalUi::~ScriptedJournalUi() {
    if (!m_script.empty())
        ADD_FAILURE() << m_script.size() << " scripted step(s) never asked for";
}

void ScriptedJournalUi::answerMessage(std::optional<std::string> expectedText, MessageAnswer answer,
                                      std::function<void()> meanwhile) {
    std::function<bool(std::any&)> reply;
    if (meanwhile)
        reply = [meanwhile](std::any&) { return (meanwhile(), true); };
    m_script.push_back({typeid(MessageBoxRequest), std::move(expectedText), answer, reply});
}

void ScriptedJournalUi::escapeMessage(std::string expectedText) {
    m_script.push_back({typeid(MessageBoxRequest), std::move(expectedText), {}, {}, true});
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
    if (step->escape)
        return escapeAnswer(box.buttons);
    if (!offers(box.buttons, step->answer)) {
        const char* const names[] = {"OK", "Cancel", "Yes", "No", "Retry"};
        ADD_FAILURE() << "scripted answer " << names[static_cast<int>(step->answer)]
                      << " is not a button of \"" << box.text << "\"";
        return box.defaultAnswer;
    }
    if (step->reply) {
        std::any shown = box;
        step->reply(shown);
    }
    return step->answer;
}

template <class Values> bool ScriptedJournalUi::runDialog(Values& values) {
    const auto step = take(values);
    std::any reply = values;
    if (!step || !step->reply(reply))
        return false;
    const Values& edited = std::any_cast<const Values&>(reply);
    if (const std::string why = refusal(values, edited); !why.empty()) {
        ADD_FAILURE() << describe(typeid(Values), std::nullopt) << ": " << why;
        return false;
    }
    values = edited;
    return true;
}

bool ScriptedJournalUi::runPasswordDialog(PasswordValues& values) {
    values.m_password.clear(); // the real prompt empties its field each time it is shown
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

template bool ScriptedJournalUi::runDialog(ChangePasswordValues&);
template bool ScriptedJournalUi::runDialog(OptionsValues&);
template bool ScriptedJournalUi::runDialog(CommentValues&);
