#include "core/print/PrintChoices.h"

#include <QSettings>

namespace {
const QString kContinuous = QStringLiteral("Settings/PrintContinuous");
const QString kPageNumbers = QStringLiteral("Settings/PrintPageNumbers");
const QString kComments = QStringLiteral("Settings/PrintComments");
} // namespace

PrintChoices PrintChoices::Load(QSettings& settings) {
    PrintChoices choices;
    choices.continuous = settings.value(kContinuous, false).toBool();
    choices.pageNumbers = settings.value(kPageNumbers, false).toBool();
    choices.comments = settings.value(kComments, false).toBool();
    return choices;
}

void PrintChoices::Save(QSettings& settings) const {
    settings.setValue(kContinuous, continuous);
    settings.setValue(kPageNumbers, pageNumbers);
    settings.setValue(kComments, comments);
}
