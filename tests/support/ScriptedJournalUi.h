#pragma once

#include "core/session/JournalUi.h"

#include <any>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

// A JournalUi for tests: answers from a script written in the order the code under test is
// expected to ask (`ui.acceptDialog<PasswordValues>([](auto& v) { v.m_password = "x"; });`,
// `ui.answerMessage("Invalid Password", MessageAnswer::Ok);`) and records all it was asked.
// Anything asked off the script, and script left over at the end, fails the test; what was
// asked off the script gets the safe answer (the default button; dialogs cancelled). Dialogs
// act as the real ones on the values: the password prompt starts empty, the entry-date dialog
// fills m_result, and OK fails the test on values the real dialog would refuse (DialogChecks.h)
// or on a field it shows disabled.
class ScriptedJournalUi : public JournalUi {
public:
    ~ScriptedJournalUi() override;

    // Script. A dialog step edits the values it is shown and says whether OK closes it.
    void answerMessage(MessageAnswer answer) { answerMessage(std::nullopt, answer); }
    // meanwhile runs while the box is up, before the answer (another program letting go).
    void answerMessage(std::optional<std::string> expectedText, MessageAnswer answer,
                       std::function<void()> meanwhile = {});
    // The user presses Escape on the message box: the answer escapeAnswer gives its buttons.
    void escapeMessage(std::string expectedText);
    template <class Values> void acceptDialog(std::function<void(Values&)> edit = {}) {
        m_script.push_back({typeid(Values), {}, {}, [edit](std::any& values) {
                                if (edit)
                                    edit(std::any_cast<Values&>(values));
                                return true;
                            }});
    }
    template <class Values> void cancelDialog() {
        m_script.push_back({typeid(Values), {}, {}, [](std::any&) { return false; }});
    }
    void chooseWelcome(WelcomeChoice choice) { choose(choice); }
    void chooseJournal(std::optional<std::string> path) { choose(path); }

    // Record.
    std::vector<MessageBoxRequest> messages() const { return shown<MessageBoxRequest>(); }
    std::vector<std::string> messageTexts() const;
    // The values each run of that dialog started from, in order.
    template <class Values> std::vector<Values> shown() const {
        std::vector<Values> result;
        for (const std::any& item : m_shown)
            if (const auto* values = std::any_cast<Values>(&item))
                result.push_back(*values);
        return result;
    }
    std::size_t pendingSteps() const { return m_script.size(); }

    // JournalUi
    MessageAnswer messageBox(const MessageBoxRequest& box) override;
    bool runPasswordDialog(PasswordValues& values) override;
    bool runChangePasswordDialog(ChangePasswordValues& values) override {
        return runDialog(values);
    }
    bool runNewJournalDialog(NewJournalValues& values) override;
    bool runOptionsDialog(OptionsValues& values) override { return runDialog(values); }
    bool runCommentDialog(CommentValues& values) override { return runDialog(values); }
    bool runChangeDateDialog(ChangeDateValues& values) override;
    WelcomeChoice runWelcomeDialog() override { return runChoice(WelcomeChoice::Close); }
    std::optional<std::string> chooseJournalToOpen() override {
        return runChoice(std::optional<std::string>());
    }
    bool runSaveJournalAsDialog(SaveJournalAsValues& values) override { return runDialog(values); }
    bool runChooseFolderDialog(FolderChoiceValues& values) override { return runDialog(values); }
    // Long work runs here unless a test stands in for the user meanwhile (acting, cancelling).
    std::function<bool(const LongWork&)> longWork;
    bool runLongWork(const std::string& title, const std::string& label,
                     const LongWork& work) override {
        return longWork ? longWork(work) : JournalUi::runLongWork(title, label, work);
    }

private:
    struct Step {
        std::type_index asks; // the values' type; MessageBoxRequest for a message box
        std::optional<std::string> text;
        MessageAnswer answer = MessageAnswer::Ok;
        // Edits what the dialog shows (or sets the choice); false cancels.
        std::function<bool(std::any&)> reply;
        bool escape = false;
    };

    // The next step if it answers what is asked; records what was shown.
    std::optional<Step> take(std::any shown);
    template <class Values> bool runDialog(Values& values);
    // The Welcome dialog and the open-file dialog: a choice, `none` off the script.
    template <class Choice> void choose(Choice choice) {
        m_script.push_back({typeid(Choice), {}, {}, [choice](std::any& chosen) {
                                chosen = choice;
                                return true;
                            }});
    }
    template <class Choice> Choice runChoice(Choice none) {
        std::any choice = none;
        if (const auto step = take(choice))
            step->reply(choice);
        return std::any_cast<Choice>(choice);
    }

    std::deque<Step> m_script;
    std::vector<std::any> m_shown;
};
