#pragma once

#include <string>

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Exclamation, Question, Information, Stop };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// A message box as the core asks for it: the GUI shows exactly this and returns the button
// pressed. The text is stored bytes (see platform/TextEncoding.h).
struct MessageBoxRequest {
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // Shown on request below the text: a library's own words, for a bug report.
    std::string detail = {};

    bool operator==(const MessageBoxRequest&) const = default;
};

// Whether the set of buttons holds the one for the answer.
constexpr bool offers(MessageButtons buttons, MessageAnswer answer) {
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No ||
               answer == MessageAnswer::Cancel;
    case MessageButtons::RetryCancel:
        return answer == MessageAnswer::Retry || answer == MessageAnswer::Cancel;
    }
    return false;
}

// The button Escape (and closing the box) presses: Cancel, or No where there is none, so that
// no question's Escape ever starts a write; OK where OK is the only button.
constexpr MessageAnswer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::RetryCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}
