#include "core/store/SqlBuffer.h"

#include "core/store/CppSQLite3Exception.h"

#include <sqlite3.h>

#include <cstdarg>

SqlBuffer::~SqlBuffer() {
    clear();
}

const char* SqlBuffer::format(const char* fmt, ...) {
    clear();
    va_list args;
    va_start(args, fmt);
    m_text = sqlite3_vmprintf(fmt, args);
    va_end(args);
    // A null text would run as an empty statement and report success; say what happened.
    if (!m_text)
        throw CppSQLite3Exception(CppSQLite3Exception::kLayerError, "Cannot allocate memory");
    return m_text;
}

void SqlBuffer::clear() {
    sqlite3_free(m_text);
    m_text = nullptr;
}
