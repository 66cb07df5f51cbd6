#include "gui/editor/CEntryView.h"

#include "core/editor/EditorFormatRules.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/EditorViewRules.h"
#include "core/platform/CommandIds.h"
#include "core/platform/TextEncoding.h"
#include "gui/editor/EntryFontDialog.h"
#include "gui/editor/EntryFormatting.h"
#include "gui/editor/EntryLinks.h"
#include "gui/editor/EntryPictures.h"
#include "gui/editor/PictureHandles.h"
#include "gui/platform/CommandActions.h"
#include "render/RtfDocumentAdapter.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWheelEvent>

namespace {

using Bit = PendingCharFormat::Bit;

// The face and size a piece shows: its own, or the document's default when it has none.
PendingCharFormat pieceFormat(const QTextCharFormat& f, const QFont& fallback) {
    PendingCharFormat format;
    format.mask = PendingCharFormat::kAll;
    const QStringList families = f.fontFamilies().toStringList();
    format.faceName = textToStored(f.hasProperty(QTextFormat::FontFamilies) && !families.isEmpty()
                                       ? families.first()
                                       : fallback.family());
    const double points =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : fallback.pointSizeF();
    format.heightTwips = qRound(points * 20);
    if (f.fontWeight() > QFont::Medium)
        format.effects |= Bit::Bold;
    if (f.fontItalic())
        format.effects |= Bit::Italic;
    if (f.fontUnderline())
        format.effects |= Bit::Underline;
    if (f.fontStrikeOut())
        format.effects |= Bit::StrikeOut;
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        format.effects |= Bit::Superscript;
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        format.effects |= Bit::Subscript;
    const bool coloured =
        f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush;
    format.color = coloured ? (f.foreground().color().rgb() & 0xFFFFFF) : 0;
    return format;
}

QTextCharFormat toQtFormat(const PendingCharFormat& format) {
    QTextCharFormat f;
    if (format.mask & Bit::Bold)
        f.setFontWeight(format.effects & Bit::Bold ? QFont::Bold : QFont::Normal);
    if (format.mask & Bit::Italic)
        f.setFontItalic(format.effects & Bit::Italic);
    if (format.mask & Bit::Underline)
        f.setFontUnderline(format.effects & Bit::Underline);
    if (format.mask & Bit::StrikeOut)
        f.setFontStrikeOut(format.effects & Bit::StrikeOut);
    // Superscript and subscript exclude each other: the one turned on wins.
    if (format.mask & (Bit::Superscript | Bit::Subscript)) {
        const unsigned on = format.effects & format.mask;
        f.setVerticalAlignment((on & Bit::Superscript) ? QTextCharFormat::AlignSuperScript
                               : (on & Bit::Subscript) ? QTextCharFormat::AlignSubScript
                                                       : QTextCharFormat::AlignNormal);
    }
    if (format.mask & Bit::Size)
        f.setFontPointSize(format.heightTwips / 20.0);
    if (format.mask & Bit::Face)
        f.setFontFamilies(QStringList{storedToText(format.faceName)});
    if (format.mask & Bit::Color)
        f.setForeground(QColor(QRgb(0xFF000000u | format.color)));
    return f;
}

} // namespace

CEntryView::CEntryView(QWidget* parent)
    : QTextEdit(parent), m_find(*this), m_links(new EntryLinks(*this)),
      m_pictures(new EntryPictures(*this)), m_pictureHandles(new PictureHandles(*this)),
      m_highlight(QRgb(0xFF000000u | EditorFormatRules::kDefaultHighlight)),
      m_zoomDevice(1, 1, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("entryView"));
    setAccessibleName(tr("Entry text"));
    document()->setDocumentMargin(EditorViewRules::kTextMargin);
    setAcceptRichText(true);
    setTabChangesFocus(false);
    connect(this, &QTextEdit::cursorPositionChanged, this, &CEntryView::TypeAfterPictureAsText);
    const auto announce = [this] { emit selectionFormatChanged(SelectionFormat()); };
    connect(this, &QTextEdit::cursorPositionChanged, this, announce);
    connect(this, &QTextEdit::selectionChanged, this, announce);
    connect(this, &QTextEdit::currentCharFormatChanged, this, announce);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CEntryView::ReadClipboardFormats);
    ReadClipboardFormats();
    SetZoom(QSettings()
                .value(EditorViewRules::zoomSettingsKey(), EditorViewRules::kDefaultZoom)
                .toInt());
}

void CEntryView::ReadClipboardFormats() {
    // The formats QTextEdit inserts, asked by name only: the data stays with its owner.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    m_clipboardPasteable = data && (data->hasText() || data->hasHtml() ||
                                    data->hasFormat(QStringLiteral("application/x-qrichtext")) ||
                                    data->hasFormat(QStringLiteral("application/x-qt-richtext")) ||
                                    EntryPictures::IsPicture(data));
}

void CEntryView::TypeAfterPictureAsText() {
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection() || !cursor.charFormat().isImageFormat())
        return;
    const QTextBlock block = cursor.block();
    QTextCharFormat format = block.charFormat();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() >= cursor.position())
            break;
        if (!fragment.charFormat().isImageFormat())
            format = fragment.charFormat();
    }
    setCurrentCharFormat(format);
}

const CommandMap<CEntryView>& CEntryView::commandMap() {
    using Map = CommandMap<CEntryView>;
    using V = CEntryView;
    static const Map map{
        {ID_FORMAT_ALIGN_RIGHT, &V::OnAlignRight, &V::OnUpdateAlignRight},
        {ID_FORMAT_ALIGN_LEFT, &V::OnAlignLeft, &V::OnUpdateAlignLeft},
        {ID_FORMAT_CENTER, &V::OnCenter, &V::OnUpdateCenter},
        {ID_FORMAT_BOLD, &V::OnBold, &V::OnUpdateBold},
        {ID_FORMAT_ITALIC, &V::OnItalic, &V::OnUpdateItalic},
        {ID_FORMAT_UNDERLINE, &V::OnUnderline, &V::OnUpdateUnderline},
        {ID_FORMAT_STRIKEOUT, &V::OnStrikeOut, &V::OnUpdateStrikeOut},
        {ID_FORMAT_SUPERSCRIPT, &V::OnSuperscript, &V::OnUpdateSuperscript},
        {ID_FORMAT_SUBSCRIPT, &V::OnSubscript, &V::OnUpdateSubscript},
        {ID_INSERT_LINK, &V::OnLink, &V::IsEditable},
        {ID_INSERT_PICTURE, &V::OnInsertPicture, &V::IsEditable},
        {ID_FORMAT_PICTURE_SIZE, &V::OnPictureSize, &V::HasPicture},
        {ID_FORMAT_TEXT_COLOR, &V::OnTextColor, &V::IsEditable},
        {ID_FORMAT_BULLETS, &V::OnBullets, &V::OnUpdateBullets},
        {ID_FORMAT_NUMBERING, &V::OnNumbering, &V::OnUpdateNumbering},
        {ID_FORMAT_INDENT, &V::OnIndent, &V::IsEditable},
        {ID_FORMAT_OUTDENT, &V::OnOutdent, &V::IsEditable},
        {ID_FORMAT_HIGHLIGHT, &V::OnHighlight, &V::OnUpdateHighlight},
        {ID_FORMAT_HIGHLIGHT_COLOR, &V::OnHighlightColor, &V::IsEditable},
        {ID_FORMAT_CLEAR, &V::OnClearFormat, &V::IsEditable},
        {ID_EDIT_PASTE_PLAIN, &V::OnPastePlain, &V::CanPaste},
        {ID_EDIT_FIND_PREVIOUS, &V::OnFindPrevious, &V::HasText},
        {ID_VIEW_ZOOM_IN, &V::OnZoomIn},
        {ID_VIEW_ZOOM_OUT, &V::OnZoomOut},
        {ID_VIEW_ZOOM_RESET, &V::OnZoomReset},
        {ID_FORMAT_FONT, &V::OnFont, &V::IsEditable},
        {ID_EDIT_UNDO, &V::OnUndo, &V::CanUndo},
        {ID_EDIT_REDO, &V::OnRedo, &V::CanRedo},
        {ID_EDIT_CUT, &V::OnCut, &V::CanEditSelection},
        {ID_EDIT_COPY, &V::OnCopy, &V::HasSelection},
        {ID_EDIT_PASTE, &V::OnPaste, &V::CanPaste},
        {ID_EDIT_CLEAR, &V::OnClear, &V::CanEditSelection},
        {ID_EDIT_SELECT_ALL, &V::OnSelectAll, &V::HasText},
        {ID_EDIT_FIND, &V::OnFind, &V::HasText},
        {ID_EDIT_REPEAT, &V::OnFindNext, &V::HasText},
        {ID_EDIT_REPLACE, &V::OnReplace, &V::IsEditable},
    };
    return map;
}

void CEntryView::SetEntryText(const std::string& storedText) {
    // The text goes in with the layout paused (no page size): given its page back, the layout
    // starts over from the top, lays out the first screen at once and the rest in steps while
    // the window is idle, instead of laying out the whole entry before it shows.
    QTextDocument& text = *document();
    const QSizeF page = text.pageSize();
    text.setPageSize(QSizeF(0, 0));
    RtfDocumentAdapter::setEntryText(text, storedText);
    // A fresh text is not something the user can undo back out of.
    text.clearUndoRedoStacks();
    text.setModified(false);
    // The caret went along to the end; moved back while nothing is laid out, it does not
    // make the layout catch up with it first.
    moveCursor(QTextCursor::Start);
    text.setPageSize(page);
}

std::string CEntryView::GetEntryText() const {
    return RtfDocumentAdapter::entryRtf(*document());
}

PendingCharFormat CEntryView::SelectionFormat() const {
    const QTextCursor cursor = textCursor();
    const QFont fallback = document()->defaultFont();
    if (!cursor.hasSelection())
        return pieceFormat(cursor.charFormat(), fallback);
    std::vector<PendingCharFormat> pieces;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
        if (block.position() >= end)
            break;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            pieces.push_back(pieceFormat(fragment.charFormat(), fallback));
        }
    }
    if (pieces.empty())
        return pieceFormat(cursor.charFormat(), fallback);
    return CharFormatRules::combine(pieces);
}

void CEntryView::ApplyFormat(const PendingCharFormat& format) {
    if (isReadOnly() || format.mask == 0)
        return;
    mergeCurrentCharFormat(toQtFormat(format));
}

void CEntryView::ToggleEffect(PendingCharFormat::Bit effect) {
    ApplyFormat(CharFormatRules::toggled(SelectionFormat(), effect));
}

void CEntryView::UpdateEffect(CommandUpdate& update, PendingCharFormat::Bit effect) const {
    const PendingCharFormat format = SelectionFormat();
    update.enable(!isReadOnly());
    update.setChecked(format.names(effect) && (format.effects & effect) != 0);
}

void CEntryView::Align(Qt::Alignment alignment) {
    if (!isReadOnly())
        setAlignment(alignment);
}

void CEntryView::UpdateAlign(CommandUpdate& update, Qt::Alignment alignment) const {
    const Qt::Alignment current = this->alignment() & Qt::AlignHorizontal_Mask;
    const bool left = alignment == Qt::AlignLeft &&
                      !(current & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify));
    update.enable(!isReadOnly());
    update.setChecked(left || (alignment != Qt::AlignLeft && (current & alignment)));
}

void CEntryView::OnTextColor() {
    const QColor colour = QColorDialog::getColor(Qt::black, window(), tr("Color"));
    if (!colour.isValid())
        return;
    PendingCharFormat format;
    format.mask = Bit::Color;
    format.color = colour.rgb() & 0xFFFFFF;
    ApplyFormat(format);
}

void CEntryView::OnFont() {
    EntryFontDialog dialog(SelectionFormat(), document()->defaultFont(), window());
    if (dialog.exec() == QDialog::Accepted)
        ApplyFormat(dialog.changes());
}

void CEntryView::OnLink() {
    m_links->EditLink();
}

void CEntryView::OnInsertPicture() {
    m_pictures->InsertFromFile();
}

void CEntryView::OnPictureSize() {
    m_pictures->ResizePicture();
}

bool CEntryView::HasPicture() const {
    return m_pictures->HasPicture();
}

bool CEntryView::canInsertFromMimeData(const QMimeData* source) const {
    return EntryPictures::IsPicture(source) || QTextEdit::canInsertFromMimeData(source);
}

void CEntryView::insertFromMimeData(const QMimeData* source) {
    // A picture goes in as one the entry can store, not as Qt's own image resource.
    if (!m_pictures->Paste(source))
        QTextEdit::insertFromMimeData(source);
}

void CEntryView::ApplyChosenFormat(const PendingCharFormat& format) {
    if (isReadOnly())
        return;
    setFocus();
    ApplyFormat(format);
}

void CEntryView::ToggleList(bool numbered) {
    if (!isReadOnly())
        EntryFormatting::toggleList(textCursor(), numbered);
}

void CEntryView::UpdateList(CommandUpdate& update, bool numbered) const {
    update.enable(!isReadOnly());
    update.setChecked(EntryFormatting::inList(textCursor(), numbered));
}

void CEntryView::StepIndent(int steps) {
    if (!isReadOnly())
        EntryFormatting::stepIndent(textCursor(), steps);
}

void CEntryView::StepListLevel(int steps) {
    EntryFormatting::stepListLevel(textCursor(), steps);
}

void CEntryView::OnClearFormat() {
    if (isReadOnly())
        return;
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        EntryFormatting::clearFormat(cursor, document()->defaultFont());
    else
        setCurrentCharFormat(
            EntryFormatting::clearedFormat(cursor.charFormat(), document()->defaultFont()));
}

void CEntryView::OnHighlight() {
    if (isReadOnly())
        return;
    const QBrush current = textCursor().charFormat().background();
    QTextCharFormat format;
    const bool on = current.style() != Qt::NoBrush && current.color() == m_highlight;
    format.setBackground(on ? QBrush(Qt::NoBrush) : QBrush(m_highlight));
    mergeCurrentCharFormat(format);
}

void CEntryView::OnHighlightColor() {
    const QColor colour =
        QColorDialog::getColor(m_highlight, window(), editortexts::highlightDialogTitle());
    if (!colour.isValid() || isReadOnly())
        return;
    m_highlight = colour;
    QTextCharFormat format;
    format.setBackground(colour);
    mergeCurrentCharFormat(format);
}

void CEntryView::OnUpdateHighlight(CommandUpdate& update) {
    update.enable(!isReadOnly());
    update.setChecked(textCursor().charFormat().background().style() != Qt::NoBrush);
}

void CEntryView::OnPastePlain() {
    // The text alone, in the format at the caret.
    if (!isReadOnly())
        insertPlainText(QGuiApplication::clipboard()->text());
}

void CEntryView::SetZoom(int percent) {
    m_zoom = EditorViewRules::validZoom(percent);
    const double dotsPerMetre = m_zoom / 100.0 / 0.0254;
    m_zoomDevice.setDotsPerMeterX(qRound(logicalDpiX() * dotsPerMetre));
    m_zoomDevice.setDotsPerMeterY(qRound(logicalDpiY() * dotsPerMetre));
    document()->documentLayout()->setPaintDevice(m_zoom == 100 ? nullptr : &m_zoomDevice);
    document()->markContentsDirty(0, document()->characterCount());
    UpdateColumn();
}

void CEntryView::ChooseZoom(int percent) {
    SetZoom(percent);
    QSettings().setValue(EditorViewRules::zoomSettingsKey(), m_zoom);
}

void CEntryView::SetReadableColumn(bool on) {
    m_readableColumn = on;
    // The margins beside the column show the page's colour, not the window's.
    setBackgroundRole(on ? QPalette::Base : QPalette::NoRole);
    setAutoFillBackground(on);
    UpdateColumn();
}

void CEntryView::UpdateColumn() {
    const int side =
        m_readableColumn
            ? EditorViewRules::centringMargin(width(), EditorViewRules::readableWidth(m_zoom))
            : 0;
    setViewportMargins(side, 0, side, 0);
}

void CEntryView::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    if (m_readableColumn)
        UpdateColumn();
}

void CEntryView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QTextEdit::wheelEvent(event);
        return;
    }
    if (const int delta = event->angleDelta().y(); delta > 0)
        OnZoomIn();
    else if (delta < 0)
        OnZoomOut();
    event->accept();
}

void CEntryView::keyPressEvent(QKeyEvent* event) {
    // Tab and Shift+Tab in a list change the level of its paragraphs instead of typing a tab.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool shiftOnly = (event->modifiers() | Qt::ShiftModifier) == Qt::ShiftModifier;
    if (tab && shiftOnly && !isReadOnly() && textCursor().currentList()) {
        const bool back =
            event->key() == Qt::Key_Backtab || event->modifiers() == Qt::ShiftModifier;
        StepListLevel(back ? -1 : 1);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool CEntryView::event(QEvent* event) {
    // Ctrl+B, Ctrl+I and Ctrl+U are the editor's bold, italic and underline, even where the
    // text control would take them for moving or deleting (Ctrl+U deletes the line on X11).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+K (the link) too, which deletes to the end of the line on X11.
        const bool formatKey = key->modifiers() == Qt::ControlModifier &&
                               (key->key() == Qt::Key_B || key->key() == Qt::Key_I ||
                                key->key() == Qt::Key_U || key->key() == Qt::Key_K);
        if (formatKey) {
            event->ignore();
            return true;
        }
    }
    return QTextEdit::event(event);
}

void CEntryView::contextMenuEvent(QContextMenuEvent* event) {
    // The keyboard's menu key opens it at the text's corner.
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? viewport()->mapToGlobal(QPoint(5, 5))
                          : event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse && !m_bContextMenu)
        return;
    if (!m_actions) {
        QTextEdit::contextMenuEvent(event);
        return;
    }
    static constexpr CommandId kItems[] = {
        ID_EDIT_UNDO,
        0,
        ID_EDIT_CUT,
        ID_EDIT_COPY,
        ID_EDIT_PASTE,
        ID_EDIT_CLEAR,
        ID_EDIT_SELECT_ALL,
        0,
        ID_EDIT_FIND,
        ID_EDIT_REPEAT,
        ID_EDIT_REPLACE,
        0,
        ID_TOOLS_CHECK_SPELLING,
        ID_FORMAT_FONT,
    };
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("entryContextMenu"));
    for (CommandId id : kItems) {
        if (id == 0)
            menu.addSeparator();
        else if (QAction* action = m_actions->action(id))
            menu.addAction(action);
    }
    m_actions->refresh();
    emit contextMenuAboutToShow(&menu, at, event->reason() == QContextMenuEvent::Keyboard);
    menu.exec(at);
}
