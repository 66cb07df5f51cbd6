#include "gui/editor/EntryFormatting.h"

#include "core/editor/EditorFormatRules.h"
#include "render/RtfTextFormats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <vector>

namespace EntryFormatting {

namespace {

// A new list's format at the depth: bullets or numbers as the Windows control writes them.
QTextListFormat newListFormat(bool numbered, int depth) {
    QTextListFormat shown;
    shown.setStyle(numbered ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc);
    return RtfTextFormats::toListFormat(RtfTextFormats::fromListFormat(shown), depth);
}

bool isNumbered(const QTextList& list) {
    return RtfTextFormats::fromListFormat(list.format()).numbered();
}

int depthOf(const QTextList& list) {
    return std::max(0, list.format().indent() - 1);
}

// The paragraphs the selection touches (the caret's alone without one), first to last.
std::vector<QTextBlock> selectedBlocks(const QTextCursor& cursor) {
    std::vector<QTextBlock> blocks;
    const QTextBlock last = cursor.document()->findBlock(cursor.selectionEnd());
    for (QTextBlock block = cursor.document()->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        blocks.push_back(block);
        if (block == last)
            break;
    }
    return blocks;
}

// Puts the paragraph into the list (nullptr: out of any), without the indent Qt leaves behind.
void setBlockList(const QTextBlock& block, const QTextList* list) {
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setObjectIndex(list ? list->objectIndex() : -1);
    format.setIndent(0);
    cursor.setBlockFormat(format);
}

// Moves the paragraph to the level, in the list of its kind there.
void moveToListLevel(const QTextBlock& block, const QTextList& list, int depth) {
    const QTextListFormat format =
        RtfTextFormats::toListFormat(RtfTextFormats::fromListFormat(list.format()), depth);
    // It joins the nearest list above it at that level, so its numbers go on from there.
    for (QTextBlock above = block.previous(); above.isValid(); above = above.previous()) {
        const QTextList* other = above.textList();
        if (!other || depthOf(*other) < depth)
            break;
        if (depthOf(*other) == depth && other->format().style() == format.style()) {
            setBlockList(block, other);
            return;
        }
    }
    QTextCursor(block).createList(format);
}

} // namespace

bool inList(const QTextCursor& cursor, bool numbered) {
    const QTextList* list = cursor.currentList();
    return list && isNumbered(*list) == numbered;
}

void toggleList(QTextCursor cursor, bool numbered) {
    const QTextList* current = cursor.currentList();
    cursor.beginEditBlock();
    if (current && isNumbered(*current) == numbered) {
        for (const QTextBlock& block : selectedBlocks(cursor))
            setBlockList(block, nullptr);
    } else {
        // A list of the other kind changes kind at its level; other paragraphs start a list.
        cursor.createList(newListFormat(numbered, current ? depthOf(*current) : 0));
    }
    cursor.endEditBlock();
}

void stepIndent(QTextCursor cursor, int steps) {
    if (cursor.currentList()) {
        stepListLevel(cursor, steps);
        return;
    }
    cursor.beginEditBlock();
    for (const QTextBlock& block : selectedBlocks(cursor)) {
        QTextBlockFormat format = block.blockFormat();
        const int twips = qRound(format.leftMargin() * RtfTextFormats::kTwipsPerPixel);
        format.setLeftMargin(EditorFormatRules::steppedIndent(twips, steps) /
                             RtfTextFormats::kTwipsPerPixel);
        QTextCursor(block).setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void stepListLevel(QTextCursor cursor, int steps) {
    cursor.beginEditBlock();
    for (const QTextBlock& block : selectedBlocks(cursor)) {
        const QTextList* list = block.textList();
        if (!list)
            continue;
        const auto depth = EditorFormatRules::steppedListDepth(depthOf(*list), steps);
        if (!depth)
            setBlockList(block, nullptr);
        else if (*depth != depthOf(*list))
            moveToListLevel(block, *list, *depth);
    }
    cursor.endEditBlock();
}

QTextCharFormat clearedFormat(const QTextCharFormat& format, const QFont& entryFont) {
    return RtfTextFormats::toCharFormat(
        EditorFormatRules::cleared(RtfTextFormats::fromCharFormat(format, entryFont),
                                   entryFont.family(), qRound(entryFont.pointSizeF() * 2)));
}

void clearFormat(QTextCursor cursor, const QFont& entryFont) {
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    cursor.beginEditBlock();
    for (const QTextBlock& block : selectedBlocks(cursor)) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            // Pictures are left as they are.
            if (fragment.charFormat().isImageFormat())
                continue;
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            QTextCursor piece(cursor.document());
            piece.setPosition(from);
            piece.setPosition(to, QTextCursor::KeepAnchor);
            piece.setCharFormat(clearedFormat(fragment.charFormat(), entryFont));
        }
    }
    cursor.endEditBlock();
}

} // namespace EntryFormatting
