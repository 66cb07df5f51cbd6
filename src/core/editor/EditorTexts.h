#pragma once

#include <QString>

// What the editor's Font and Link dialogs say to the user.
namespace editortexts {

QString fontDialogTitle();
// Under the Font dialog's lists when the selection's face is not installed here.
QString faceStandsIn(const QString& storedFace, const QString& shownFace);

QString linkDialogTitle();
QString linkTextLabel();
QString linkAddressLabel();

// After Replace All: "Replaced 3 occurrences."
QString replacedCount(int count);
QString highlightDialogTitle();

} // namespace editortexts
