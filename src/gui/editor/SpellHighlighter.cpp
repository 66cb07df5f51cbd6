#include "gui/editor/SpellHighlighter.h"

#include "core/spelling/SpellingService.h"
#include "core/spelling/WordSplitter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <optional>

namespace {

// Marks a block whose words were not checked yet.
class UncheckedBlock : public QTextBlockUserData {};

} // namespace

SpellHighlighter::SpellHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(static_cast<QObject*>(document)) {
    // Around the highlighter's own handling of each change, to know how large it is.
    connect(document, &QTextDocument::contentsChange, this, &SpellHighlighter::changeStarts);
    setDocument(document);
    connect(document, &QTextDocument::contentsChange, this, &SpellHighlighter::changeEnds);
}

SpellHighlighter::~SpellHighlighter() {
    // The base class leaves the document as it is destroyed, and the document reports that as
    // a change: by then this part of the object is gone and must not hear of it.
    if (QTextDocument* doc = document()) {
        disconnect(doc, &QTextDocument::contentsChange, this, &SpellHighlighter::changeStarts);
        disconnect(doc, &QTextDocument::contentsChange, this, &SpellHighlighter::changeEnds);
    }
}

QTextCharFormat SpellHighlighter::misspeltFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(QColor(0xd0, 0x10, 0x10));
    return format;
}

void SpellHighlighter::setService(SpellingService* words) {
    if (words == m_words)
        return;
    disconnect(m_changed);
    m_words = words;
    if (words)
        m_changed = connect(words, &SpellingService::wordsChanged, this, [this] {
            m_budget = kCheckFirst;
            rehighlight();
        });
    m_budget = kCheckFirst;
    rehighlight();
}

void SpellHighlighter::changeStarts(int, int, int added) {
    m_changeSize = added;
    m_budget = kCheckFirst;
}

void SpellHighlighter::changeEnds() {
    m_changeSize = -1;
    m_budget = kCheckFirst;
}

bool SpellHighlighter::isUnchecked(const QTextBlock& block) {
    return dynamic_cast<UncheckedBlock*>(block.userData()) != nullptr;
}

void SpellHighlighter::checkBlocks(const QTextBlock& first, const QTextBlock& last) {
    // One edit around them all: the document lays the underlined blocks out again once.
    std::optional<QTextCursor> edit;
    m_checkingAsked = true;
    for (QTextBlock block = first; block.isValid() && block.blockNumber() <= last.blockNumber();
         block = block.next()) {
        if (!isUnchecked(block))
            continue;
        if (!edit) {
            edit.emplace(document());
            edit->beginEditBlock();
        }
        rehighlightBlock(block);
    }
    m_checkingAsked = false;
    if (edit)
        edit->endEditBlock();
}

void SpellHighlighter::leaveUnchecked() {
    if (!isUnchecked(currentBlock()))
        setCurrentBlockUserData(new UncheckedBlock);
    if (std::exchange(m_notifying, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_notifying = false;
        emit uncheckedBlocksLeft();
    });
}

void SpellHighlighter::highlightBlock(const QString& text) {
    if (!m_words) {
        setCurrentBlockUserData(nullptr);
        return;
    }
    // Outside a change the whole document is being checked again. Of a long text, the
    // first part is checked now (an entry opens at its start), the rest when it is shown.
    const int size = m_changeSize >= 0 ? m_changeSize : document()->characterCount();
    if (!m_checkingAsked && size > kCheckAtOnce) {
        if (m_budget < static_cast<int>(text.size())) {
            leaveUnchecked();
            return;
        }
        m_budget -= static_cast<int>(text.size());
    }
    setCurrentBlockUserData(nullptr);
    static const QTextCharFormat misspelt = misspeltFormat();
    for (const auto& span : spelling::splitWords(text)) {
        if (m_words->isMisspelt(text.mid(span.start, span.length)))
            setFormat(static_cast<int>(span.start), static_cast<int>(span.length), misspelt);
    }
}
