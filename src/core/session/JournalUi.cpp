#include "core/session/JournalUi.h"

#include <utility>

bool JournalUi::runLongWork(const std::string&, const std::string&, const LongWork& work) {
    const std::atomic<bool> never{false};
    work(never);
    return true;
}

void JournalUi::showMessage(std::string text) {
    messageBox({std::move(text), MessageButtons::Ok, MessageIcon::None, MessageAnswer::Ok});
}

void JournalUi::showError(std::string text) {
    messageBox({std::move(text), MessageButtons::Ok, MessageIcon::Exclamation, MessageAnswer::Ok});
}

void JournalUi::showFailure(std::string text, std::string detail) {
    messageBox({std::move(text), MessageButtons::Ok, MessageIcon::Exclamation, MessageAnswer::Ok,
                std::move(detail)});
}

void JournalUi::showInformation(std::string text) {
    messageBox({std::move(text), MessageButtons::Ok, MessageIcon::Information, MessageAnswer::Ok});
}

bool JournalUi::askYesNo(std::string text) {
    return messageBox({std::move(text), MessageButtons::YesNo, MessageIcon::Question,
                       MessageAnswer::No}) == MessageAnswer::Yes;
}
