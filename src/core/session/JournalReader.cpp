#include "core/session/JournalReader.h"

#include "core/store/StoredText.h"

std::string JournalReader::Decipher(const char* column) const {
    return DecipherFromStorage(column, *m_keyed);
}
