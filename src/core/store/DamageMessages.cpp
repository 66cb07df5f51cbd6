#include "core/store/DamageMessages.h"

#include <QCoreApplication>

namespace DamageMessages {

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("DamageMessages", text).toStdString();
}

std::string withRescue(const char* text) {
    return translated(text) + "\n" +
           translated(QT_TRANSLATE_NOOP(
               "DamageMessages",
               "Use Rescue Journal... on the File menu to save everything that can still be read "
               "into a new journal."));
}

} // namespace

std::string OpenedDamaged() {
    return withRescue(QT_TRANSLATE_NOOP(
        "DamageMessages",
        "The journal file is damaged: part of it cannot be read, so what it shows "
        "may be incomplete.\nIt is open for reading only, so that nothing more is "
        "lost."));
}

std::string FoundDamaged() {
    return withRescue(QT_TRANSLATE_NOOP(
        "DamageMessages", "The journal file is damaged: part of it cannot be read.\nFrom now on it "
                          "is open for reading only, so that nothing more is lost."));
}

std::string Refused() {
    return withRescue(QT_TRANSLATE_NOOP(
        "DamageMessages",
        "The journal file is damaged, so this could not be done: part of it cannot "
        "be read, and nothing is written to it while it is open."));
}

std::string CheckingTitle() {
    return translated(QT_TRANSLATE_NOOP("DamageMessages", "Open Journal"));
}

std::string CheckingLabel() {
    return translated(QT_TRANSLATE_NOOP("DamageMessages", "Checking the journal file..."));
}

std::string ReadOnlyIndicator(bool damaged) {
    return translated(damaged ? QT_TRANSLATE_NOOP("DamageMessages", "Damaged: read only")
                              : QT_TRANSLATE_NOOP("DamageMessages", "Read only"));
}

} // namespace DamageMessages
