#pragma once

#include "core/spelling/SpellingService.h"

#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Underlines the misspelt words of an editable document as the user types. The underline is
// drawn, never stored: the document's formats and its RTF are untouched.
//
// A long text arriving at once (an entry opened, a large paste, the dictionary switched on a
// long entry) is checked then only as far as a few screens go from its start; the rest of
// its blocks are marked unchecked and uncheckedBlocksLeft() asks, once control is back in the
// event loop, for the blocks on screen to be checked (checkBlocks). Opening a long entry
// costs a few screens of checks, not the whole entry's.
class SpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    // Changes and documents up to this many characters are checked at once.
    static constexpr int kCheckAtOnce = 10000;
    // Of a longer text, this many characters from its start are checked at once.
    static constexpr int kCheckFirst = 20000;

    explicit SpellHighlighter(QTextDocument* document);
    ~SpellHighlighter() override;

    // The words to check against; nothing (no dictionary, or switched off) underlines nothing.
    void setService(SpellingService* words);
    SpellingService* service() const { return m_words; }

    // Checks the blocks from first to last (inclusive) that were left unchecked.
    void checkBlocks(const QTextBlock& first, const QTextBlock& last);
    static bool isUnchecked(const QTextBlock& block);

    static QTextCharFormat misspeltFormat();

signals:
    void uncheckedBlocksLeft();

protected:
    void highlightBlock(const QString& text) override;

private:
    void changeStarts(int from, int removed, int added);
    void changeEnds();
    void leaveUnchecked();

    QPointer<SpellingService> m_words;
    QMetaObject::Connection m_changed;
    int m_changeSize = -1;        // characters added by the change being highlighted, or -1
    int m_budget = kCheckFirst;   // characters of a long text still to be checked at once
    bool m_checkingAsked = false; // within checkBlocks
    bool m_notifying = false;     // uncheckedBlocksLeft is on its way
};
