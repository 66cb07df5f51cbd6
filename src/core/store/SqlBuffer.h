#pragma once

// Builds SQL text with SQLite's own printf, so "%q" and "%Q" quote values safely.
class SqlBuffer {
public:
    SqlBuffer() = default;
    SqlBuffer(const SqlBuffer&) = delete;
    SqlBuffer& operator=(const SqlBuffer&) = delete;
    ~SqlBuffer();

    // Replaces the text. No format attribute: gcc does not know SQLite's %q and %Q.
    const char* format(const char* fmt, ...);

    operator const char*() const { return m_text; }
    const char* c_str() const { return m_text; }
    void clear();

private:
    char* m_text = nullptr; // from sqlite3_vmprintf; nullptr when empty
};
