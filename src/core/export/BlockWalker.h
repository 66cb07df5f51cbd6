#pragma once

#include "core/richtext/RichDocument.h"

// Walks a document's paragraphs as blocks: plain paragraphs, lists of consecutive list
// paragraphs, and tables made of the paragraphs that end cells and rows. The writers say how
// each block looks; the walk is the same for all of them.
class BlockWalker {
public:
    virtual ~BlockWalker() = default;

    void walk(const richtext::RichDocument& document);

protected:
    virtual void paragraph(const richtext::Paragraph& paragraph) = 0;
    virtual void beginList(const richtext::ListFormat& list) = 0;
    virtual void listItem(const richtext::Paragraph& paragraph) = 0;
    virtual void endList() = 0;
    virtual void beginTable() = 0;
    virtual void beginRow() = 0;
    virtual void beginCell() = 0;
    // A paragraph inside a cell; first is true for the cell's first one.
    virtual void cellParagraph(const richtext::Paragraph& paragraph, bool first) = 0;
    virtual void endCell() = 0;
    virtual void endRow() = 0;
    virtual void endTable() = 0;

private:
    void closeList();
    void closeTable();

    bool m_listOpen = false;
    bool m_numbered = false;
    bool m_tableOpen = false;
    bool m_rowOpen = false;
    bool m_cellOpen = false;
    bool m_cellHasParagraph = false;
};
