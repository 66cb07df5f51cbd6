#pragma once

#include <QString>
#include <map>

namespace richtext {

// The \fonttbl of a document as it is read: font numbers to names and charsets.
class RtfFontTable {
public:
    // Longer names are cut: Windows keeps 31 characters, and formats compare faces often.
    static constexpr qsizetype kMaxNameLength = 255;

    struct Font {
        QString name;
        int charset = 0;
    };

    void setDefault(int number) {
        m_default = number;
        ++m_version;
    }

    // Entries as they arrive: \fN starts one, \fcharsetN and name text fill it, ';' ends it.
    // depth: the group depth the entry's \fN came at.
    void beginEntry(int number, size_t depth);
    void setCharset(int charset) {
        m_pending.charset = charset;
        ++m_version;
    }
    void appendToName(QChar ch);
    void endEntry();
    // A group at this depth closed. When it is the entry's own group, an entry without its ';'
    // still counts when it has a name; groups inside the entry ({\*\falt ...}) leave it open.
    void closeGroup(size_t depth);
    int pendingCharset() const { return m_pending.charset; }

    // The font for a number (-1 for the default); an unknown number gives the default font.
    const Font* find(int number) const;

    // Changes whenever the table does, so that lookups can be cached.
    unsigned version() const { return m_version; }

private:
    std::map<int, Font> m_fonts;
    int m_default = 0;
    int m_number = 0;
    size_t m_depth = 0;
    Font m_pending;
    unsigned m_version = 0;
};

} // namespace richtext
