#include "gui/platform/LongWorkOnWorker.h"

#include "core/platform/TextEncoding.h"
#include "gui/platform/BackgroundWork.h"

bool RunLongWorkOnWorker(QWidget* window, const std::string& title, const std::string& label,
                         const JournalUi::LongWork& work) {
    return !BackgroundWork::Run(
        window, {storedToText(title), storedToText(label), QStringLiteral("longWorkProgress")},
        [&work](BackgroundWork::Progress& progress) { work(progress.CancelFlag()); });
}
