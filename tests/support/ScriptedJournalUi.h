#pragma once

#include "dialogs/JournalUi.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A JournalUi for tests: answers from a script written in the order the code under test is
// expected to ask, and records everything it was asked.
//
//   ScriptedJournalUi ui;
//   ui.acceptDialog<PasswordValues>([](auto& v) { v.m_password = "wrong"; });
//   ui.answerMessage("Invalid Password", MessageAnswer::Ok);
//   ui.cancelDialog<PasswordValues>();
//
// Anything asked that the script does not hold next (nothing left, a different dialog, a
// different message text, an answer the box does not offer) fails the test at once and is
// answered safely (the default button; dialogs cancelled). Script left over when the object
// is destroyed fails the test too.
//
// Dialogs behave as the real ones do on the values: the password prompt starts empty, the
// entry-date dialog fills m_result, and OK is refused (a failure) for values the real
// dialog's checks would not let through (DialogChecks.h, an existing New Journal path
// included) or typed into a field it shows disabled.
class ScriptedJournalUi : public JournalUi {
public:
    ScriptedJournalUi() = default;
    ~ScriptedJournalUi() override;

    // Script.
    void answerMessage(MessageAnswer answer);
    void answerMessage(std::string expectedText, MessageAnswer answer);
    template <class Values> void acceptDialog(std::function<void(Values&)> edit = {}) {
        m_script.push_back(DialogStep<Values>{true, std::move(edit)});
    }
    template <class Values> void cancelDialog() {
        m_script.push_back(DialogStep<Values>{false, {}});
    }
    void chooseWelcome(WelcomeChoice choice);
    void chooseJournal(std::optional<std::string> path);

    // Record.
    std::vector<MessageBoxRequest> messages() const { return shown<MessageBoxRequest>(); }
    std::vector<std::string> messageTexts() const;
    // The values each run of that dialog started from, in order.
    template <class Values> std::vector<Values> shown() const {
        std::vector<Values> result;
        for (const Shown& item : m_shown) {
            if (const auto* values = std::get_if<Values>(&item)) {
                result.push_back(*values);
            }
        }
        return result;
    }
    // One line per interaction, in order: "message: <text>" or the dialog's name.
    std::vector<std::string> log() const;
    std::size_t pendingSteps() const { return m_script.size(); }

    // JournalUi
    MessageAnswer messageBox(const MessageBoxRequest& box) override;
    bool runPasswordDialog(PasswordValues& values) override;
    bool runChangePasswordDialog(ChangePasswordValues& values) override;
    bool runNewJournalDialog(NewJournalValues& values) override;
    bool runOptionsDialog(OptionsValues& values) override;
    bool runCommentDialog(CommentValues& values) override;
    bool runChangeDateDialog(ChangeDateValues& values) override;
    WelcomeChoice runWelcomeDialog() override;
    std::optional<std::string> chooseJournalToOpen() override;

private:
    struct MessageStep {
        std::optional<std::string> expectedText;
        MessageAnswer answer;
    };
    template <class Values> struct DialogStep {
        using ValuesType = Values;
        bool accept;
        std::function<void(Values&)> edit;
    };
    struct WelcomeStep {
        WelcomeChoice choice;
    };
    struct OpenStep {
        std::optional<std::string> path;
    };
    struct WelcomeShown {};
    struct OpenShown {};

    using Step = std::variant<MessageStep, DialogStep<PasswordValues>,
                              DialogStep<ChangePasswordValues>, DialogStep<NewJournalValues>,
                              DialogStep<OptionsValues>, DialogStep<CommentValues>,
                              DialogStep<ChangeDateValues>, WelcomeStep, OpenStep>;
    using Shown =
        std::variant<MessageBoxRequest, PasswordValues, ChangePasswordValues, NewJournalValues,
                     OptionsValues, CommentValues, ChangeDateValues, WelcomeShown, OpenShown>;

    static std::string describe(const Step& step);
    template <class Wanted> std::optional<Wanted> takeStep(const std::string& asked);
    template <class Values> bool runDialog(Values& values);

    std::deque<Step> m_script;
    std::vector<Shown> m_shown;
};
