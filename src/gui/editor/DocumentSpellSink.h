#pragma once

#include "core/spelling/SpellingSession.h"

class QTextDocument;

// Makes the spelling session's corrections in a QTextDocument, the inserted letters taking
// the formatting of the letters they replace. All its corrections are one undo step; the
// view is updated after each, so the user sees them as they are made.
class DocumentSpellSink : public SpellTextSink {
public:
    explicit DocumentSpellSink(QTextDocument& document) : m_document(document) {}
    void apply(const spelling::TextChange& change) override;

private:
    QTextDocument& m_document;
    bool m_changed = false;
};
