#pragma once

#include <exception>

// The one failure type of the database layer: an SQLite result code, or kLayerError for
// failures the layer raises itself, with the message "NAME[code]: detail".
class CppSQLite3Exception : public std::exception {
public:
    static constexpr int kLayerError = 1000;

    CppSQLite3Exception(int code, const char* detail); // detail may be nullptr
    CppSQLite3Exception(const CppSQLite3Exception& other);
    CppSQLite3Exception& operator=(const CppSQLite3Exception& other);
    ~CppSQLite3Exception() override;

    // For error texts that SQLite allocated (sqlite3_exec): the text is released here,
    // once it has been copied into the message.
    static CppSQLite3Exception adoptingSqliteText(int code, char* sqliteText);

    int code() const noexcept { return m_code; }
    const char* message() const noexcept;
    const char* what() const noexcept override { return message(); }

    static const char* codeName(int code);

private:
    int m_code;
    char* m_message; // from sqlite3_mprintf; nullptr only if SQLite ran out of memory
};
