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

    void setDefault(int number) { m_default = number; }

    // Entries as they arrive: \fN starts one, \fcharsetN and name text fill it, ';' ends it.
    void beginEntry(int number);
    void setCharset(int charset) { m_pending.charset = charset; }
    void appendToName(QChar ch);
    void endEntry();
    // An entry's group closed; an entry without its ';' still counts when it has a name.
    void closeGroup();
    int pendingCharset() const { return m_pending.charset; }

    // The font for a number (-1 for the default); an unknown number gives the default font.
    const Font* find(int number) const;

private:
    std::map<int, Font> m_fonts;
    int m_default = 0;
    int m_number = 0;
    Font m_pending;
};

} // namespace richtext
