#pragma once

#include "core/editor/CharFormatExchange.h"
#include "core/editor/EditorViewRules.h"
#include "core/platform/CommandMap.h"
#include "gui/editor/EditorFind.h"

#include <QColor>
#include <QImage>
#include <QTextEdit>

#include <functional>
#include <string>

class CommandActions;
class EntryLinks;
class EntryPictures;
class PictureHandles;
class QMenu;

// The entry's text in the editor window: the formatting commands of the format bar, the
// standard editing commands, find and replace, the context menu and the character-format
// exchange with the format bar. Text enters and leaves only as stored entry text (through
// the rich-text adapter).
class CEntryView : public QTextEdit, public MappedCommandTarget<CEntryView> {
    Q_OBJECT

public:
    explicit CEntryView(QWidget* parent = nullptr);

    // Stored entry text in (RTF when it starts with "{\rtf", else plain); clears modified.
    void SetEntryText(const std::string& storedText);
    // The whole text as RTF.
    std::string GetEntryText() const;

    // The selection's character format (at the caret: what typing would use).
    PendingCharFormat SelectionFormat() const;
    // Gives the selection (or what is typed next) the attributes the format names.
    void ApplyFormat(const PendingCharFormat& format);
    // A format chosen outside the text (the format bar's boxes): applied, and the keyboard
    // goes back to the text.
    void ApplyChosenFormat(const PendingCharFormat& format);

    // The actions the context menu shows; without them the menu is Qt's own.
    void setCommandActions(CommandActions* actions) { m_actions = actions; }
    // Whether the right button opens the context menu.
    bool m_bContextMenu = true;

    EditorFind& Find() { return m_find; }
    PictureHandles& Handles() { return *m_pictureHandles; }

    // The view's zoom in percent: the text is laid out larger or smaller, its stored sizes
    // stay as they are. Remembered for the user.
    int Zoom() const { return m_zoom; }
    void SetZoom(int percent);
    // Full screen's column: the text centred at a readable width.
    void SetReadableColumn(bool on);

    static const CommandMap<CEntryView>& commandMap();

signals:
    // The context menu is about to open at the global position (from the keyboard: at the
    // text's corner, about the caret); others may add to it.
    void contextMenuAboutToShow(QMenu* menu, const QPoint& globalPos, bool fromKeyboard);
    // The caret or the selection moved, or the format at it changed: the selection's format.
    void selectionFormatChanged(const PendingCharFormat& selection);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Text typed right after a picture takes the format of the text before it in the
    // paragraph (the paragraph mark's when there is none), not the picture's.
    void TypeAfterPictureAsText();
    void ToggleEffect(PendingCharFormat::Bit effect);
    void OnBold() { ToggleEffect(PendingCharFormat::Bold); }
    void OnItalic() { ToggleEffect(PendingCharFormat::Italic); }
    void OnUnderline() { ToggleEffect(PendingCharFormat::Underline); }
    void UpdateEffect(CommandUpdate& update, PendingCharFormat::Bit effect) const;
    void OnUpdateBold(CommandUpdate& update) { UpdateEffect(update, PendingCharFormat::Bold); }
    void OnUpdateItalic(CommandUpdate& update) { UpdateEffect(update, PendingCharFormat::Italic); }
    void OnUpdateUnderline(CommandUpdate& update) {
        UpdateEffect(update, PendingCharFormat::Underline);
    }
    void OnStrikeOut() { ToggleEffect(PendingCharFormat::StrikeOut); }
    void OnSuperscript() { ToggleEffect(PendingCharFormat::Superscript); }
    void OnSubscript() { ToggleEffect(PendingCharFormat::Subscript); }
    void OnUpdateStrikeOut(CommandUpdate& update) {
        UpdateEffect(update, PendingCharFormat::StrikeOut);
    }
    void OnUpdateSuperscript(CommandUpdate& update) {
        UpdateEffect(update, PendingCharFormat::Superscript);
    }
    void OnUpdateSubscript(CommandUpdate& update) {
        UpdateEffect(update, PendingCharFormat::Subscript);
    }
    void OnLink();
    void OnInsertPicture();
    void OnPictureSize();
    bool HasPicture() const;
    void Align(Qt::Alignment alignment);
    void UpdateAlign(CommandUpdate& update, Qt::Alignment alignment) const;
    void OnAlignLeft() { Align(Qt::AlignLeft); }
    void OnCenter() { Align(Qt::AlignHCenter); }
    void OnAlignRight() { Align(Qt::AlignRight); }
    void OnUpdateAlignLeft(CommandUpdate& update) { UpdateAlign(update, Qt::AlignLeft); }
    void OnUpdateCenter(CommandUpdate& update) { UpdateAlign(update, Qt::AlignHCenter); }
    void OnUpdateAlignRight(CommandUpdate& update) { UpdateAlign(update, Qt::AlignRight); }
    void OnTextColor();
    // Lists and indents.
    void ToggleList(bool numbered);
    void OnBullets() { ToggleList(false); }
    void OnNumbering() { ToggleList(true); }
    void UpdateList(CommandUpdate& update, bool numbered) const;
    void OnUpdateBullets(CommandUpdate& update) { UpdateList(update, false); }
    void OnUpdateNumbering(CommandUpdate& update) { UpdateList(update, true); }
    void StepIndent(int steps);
    void OnIndent() { StepIndent(1); }
    void OnOutdent() { StepIndent(-1); }
    void StepListLevel(int steps);
    void OnHighlight();
    void OnHighlightColor();
    void OnUpdateHighlight(CommandUpdate& update);
    void OnClearFormat();
    void OnPastePlain();
    // A zoom the user chose: remembered for the next editor.
    void ChooseZoom(int percent);
    void OnZoomIn() { ChooseZoom(EditorViewRules::steppedZoom(m_zoom, 1)); }
    void OnZoomOut() { ChooseZoom(EditorViewRules::steppedZoom(m_zoom, -1)); }
    void OnZoomReset() { ChooseZoom(EditorViewRules::kDefaultZoom); }
    void UpdateColumn();
    void OnFont();

    void OnUndo() { undo(); }
    void OnRedo() { redo(); }
    void OnCut() { cut(); }
    void OnCopy() { copy(); }
    void OnPaste() { paste(); }
    void OnClear() { textCursor().removeSelectedText(); }
    void OnSelectAll() { selectAll(); }
    void OnFind() { m_find.showDialog(false); }
    void OnFindNext() { m_find.findNextOrAsk(); }
    void OnFindPrevious() { m_find.findPreviousOrAsk(); }
    void OnReplace() { m_find.showDialog(true); }
    bool CanUndo() const { return document()->isUndoAvailable() && !isReadOnly(); }
    bool CanRedo() const { return document()->isRedoAvailable() && !isReadOnly(); }
    bool HasSelection() const { return textCursor().hasSelection(); }
    bool CanEditSelection() const { return HasSelection() && !isReadOnly(); }
    // From the formats the clipboard offers, kept per clipboard change: QTextEdit::canPaste
    // fetches the data itself, from the owning program when another one owns it.
    bool CanPaste() const { return m_clipboardPasteable && !isReadOnly(); }
    void ReadClipboardFormats();
    bool IsEditable() const { return !isReadOnly(); }
    bool HasText() const { return !document()->isEmpty(); }

    CommandActions* m_actions = nullptr;
    EditorFind m_find;
    EntryLinks* m_links;
    EntryPictures* m_pictures;
    PictureHandles* m_pictureHandles;
    bool m_clipboardPasteable = false;
    QColor m_highlight;
    // Lays the text out at the zoom: its resolution is the screen's times the zoom.
    QImage m_zoomDevice;
    int m_zoom = 100;
    bool m_readableColumn = false;
};
