#include "core/editor/EditorTexts.h"

#include <QCoreApplication>

namespace editortexts {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Editor)
};

} // namespace

QString fontDialogTitle() {
    return Texts::tr("Font");
}

QString faceStandsIn(const QString& storedFace, const QString& shownFace) {
    return Texts::tr(
               "The text is in \"%1\", which is not installed; it is shown in \"%2\" and keeps "
               "its face unless you choose another.")
        .arg(storedFace, shownFace);
}

QString linkDialogTitle() {
    return Texts::tr("Link");
}

QString linkTextLabel() {
    return Texts::tr("&Text:");
}

QString linkAddressLabel() {
    return Texts::tr("&Address:");
}

QString replacedCount(int count) {
    if (count == 1)
        return Texts::tr("Replaced 1 occurrence.");
    return Texts::tr("Replaced %1 occurrences.").arg(count);
}

QString highlightDialogTitle() {
    return Texts::tr("Highlight Color");
}

} // namespace editortexts
