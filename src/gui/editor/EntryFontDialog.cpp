#include "gui/editor/EntryFontDialog.h"

#include "core/editor/EditorTexts.h"
#include "core/platform/TextEncoding.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace {

using Bit = PendingCharFormat::Bit;

PendingCharFormat dialogFormat(const QFont& font) {
    PendingCharFormat format;
    format.mask = PendingCharFormat::kFontDialog;
    format.faceName = textToStored(font.family());
    format.heightTwips = qRound(font.pointSizeF() * 20);
    format.effects = (font.bold() ? unsigned(Bit::Bold) : 0) |
                     (font.italic() ? unsigned(Bit::Italic) : 0) |
                     (font.underline() ? unsigned(Bit::Underline) : 0) |
                     (font.strikeOut() ? unsigned(Bit::StrikeOut) : 0);
    return format;
}

bool isOn(const PendingCharFormat& format, Bit effect) {
    return format.names(effect) && (format.effects & effect);
}

} // namespace

EntryFontDialog::EntryFontDialog(const PendingCharFormat& selection, const QFont& fallback,
                                 QWidget* parent)
    : QFontDialog(parent) {
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(editortexts::fontDialogTitle());
    // Ours, not the desktop's: the note below needs a place in it.
    setOption(QFontDialog::DontUseNativeDialog);
    // Qt's own dialog leaves its three lists and the fields above them unnamed; both are
    // made in this order.
    const auto lists = findChildren<QListView*>();
    const auto edits = findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    const char* const names[] = {QT_TRANSLATE_NOOP("EntryFontDialog", "Font"),
                                 QT_TRANSLATE_NOOP("EntryFontDialog", "Font style"),
                                 QT_TRANSLATE_NOOP("EntryFontDialog", "Size")};
    for (qsizetype i = 0; i < 3; ++i) {
        const QString name = QCoreApplication::translate("EntryFontDialog", names[i]);
        for (const auto& controls :
             {QWidgetList(lists.begin(), lists.end()), QWidgetList(edits.begin(), edits.end())}) {
            if (i < controls.size())
                controls[i]->setAccessibleName(name);
        }
    }
    QFont initial = fallback;
    const QString face = storedToText(selection.faceName);
    if (selection.names(Bit::Face))
        initial.setFamilies(QStringList{face});
    if (selection.names(Bit::Size))
        initial.setPointSizeF(selection.heightTwips / 20.0);
    initial.setBold(isOn(selection, Bit::Bold));
    initial.setItalic(isOn(selection, Bit::Italic));
    initial.setUnderline(isOn(selection, Bit::Underline));
    initial.setStrikeOut(isOn(selection, Bit::StrikeOut));
    setCurrentFont(initial);
    // What the dialog made of it: the stand-in for a face that is not installed, sizes as its
    // size box holds them.
    m_shown = dialogFormat(currentFont());
    if (selection.names(Bit::Face) && !QFontDatabase::hasFamily(face)) {
        auto* note =
            new QLabel(editortexts::faceStandsIn(face, storedToText(m_shown.faceName)), this);
        note->setObjectName(QStringLiteral("faceStandsIn"));
        note->setWordWrap(true);
        if (auto* grid = qobject_cast<QGridLayout*>(layout()))
            grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

PendingCharFormat EntryFontDialog::changes() const {
    return CharFormatRules::changedInFontDialog(m_shown, dialogFormat(selectedFont()));
}
