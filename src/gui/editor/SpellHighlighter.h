#pragma once

#include "spelling/SpellingService.h"

#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Underlines the misspelt words of an editable document as the user types. The underline is
// drawn, never stored: the document's formats and its RTF are untouched.
class SpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit SpellHighlighter(QTextDocument* document);

    // The words to check against; nothing (no dictionary, or switched off) underlines nothing.
    void setService(SpellingService* words);
    SpellingService* service() const { return m_words; }

    static QTextCharFormat misspeltFormat();

protected:
    void highlightBlock(const QString& text) override;

private:
    QPointer<SpellingService> m_words;
    QMetaObject::Connection m_changed;
};
