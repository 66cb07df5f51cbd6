#pragma once

#include "core/editor/CharFormatExchange.h"

#include <QFontDialog>

// The Font dialog over the editor's selection. It opens on the selection's format (the
// document's default font where the selection mixes an attribute), says so when the
// selection's face is not installed, and on OK gives only what the user changed in it, so
// that a mixed selection keeps every attribute left alone.
class EntryFontDialog : public QFontDialog {
public:
    EntryFontDialog(const PendingCharFormat& selection, const QFont& fallback, QWidget* parent);

    // After OK: the attributes to apply (an empty mask when nothing was changed).
    PendingCharFormat changes() const;

private:
    PendingCharFormat m_shown; // what the dialog showed on opening
};
