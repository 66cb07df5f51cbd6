#include "core/editor/EditorTexts.h"

#include <QCoreApplication>

namespace editortexts {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Editor", text);
}

} // namespace

QString fontDialogTitle() {
    return tr("Font");
}

QString faceStandsIn(const QString& storedFace, const QString& shownFace) {
    return tr("The text is in \"%1\", which is not installed; it is shown in \"%2\" and keeps "
              "its face unless you choose another.")
        .arg(storedFace, shownFace);
}

QString linkDialogTitle() {
    return tr("Link");
}

QString linkTextLabel() {
    return tr("&Text:");
}

QString linkAddressLabel() {
    return tr("&Address:");
}

QString replacedCount(int count) {
    if (count == 1)
        return tr("Replaced 1 occurrence.");
    return tr("Replaced %1 occurrences.").arg(count);
}

QString highlightDialogTitle() {
    return tr("Highlight Color");
}

} // namespace editortexts
