#include "core/export/BlockWalker.h"

using namespace richtext;

void BlockWalker::walk(const RichDocument& document) {
    for (const Paragraph& p : document.paragraphs) {
        const bool inTable =
            p.layout.tableLevel > 0 || p.end == ParagraphEnd::Cell || p.end == ParagraphEnd::Row;
        if (inTable) {
            closeList();
            if (!m_tableOpen) {
                beginTable();
                m_tableOpen = true;
            }
            if (!m_rowOpen) {
                beginRow();
                m_rowOpen = true;
            }
            // The paragraph that ends a row holds the row's mark, not a cell's text.
            if (p.end == ParagraphEnd::Row && p.runs.empty()) {
                if (m_cellOpen)
                    endCell();
                m_cellOpen = false;
                endRow();
                m_rowOpen = false;
                continue;
            }
            if (!m_cellOpen) {
                beginCell();
                m_cellOpen = true;
                m_cellHasParagraph = false;
            }
            cellParagraph(p, !m_cellHasParagraph);
            m_cellHasParagraph = true;
            if (p.end != ParagraphEnd::Paragraph) {
                endCell();
                m_cellOpen = false;
            }
            if (p.end == ParagraphEnd::Row) {
                endRow();
                m_rowOpen = false;
            }
            continue;
        }
        closeTable();
        if (p.layout.list && p.layout.list->level != ListFormat::Level::Continue) {
            const bool numbered = p.layout.list->numbered();
            if (m_listOpen && numbered != m_numbered)
                closeList();
            if (!m_listOpen) {
                beginList(*p.layout.list);
                m_listOpen = true;
                m_numbered = numbered;
            }
            listItem(p);
            continue;
        }
        // A paragraph continuing a list item without a number of its own stays in the list.
        if (p.layout.list && m_listOpen) {
            listItem(p);
            continue;
        }
        closeList();
        paragraph(p);
    }
    closeList();
    closeTable();
}

void BlockWalker::closeList() {
    if (m_listOpen)
        endList();
    m_listOpen = false;
}

void BlockWalker::closeTable() {
    if (!m_tableOpen)
        return;
    if (m_cellOpen)
        endCell();
    if (m_rowOpen)
        endRow();
    endTable();
    m_tableOpen = m_rowOpen = m_cellOpen = false;
}
