#include "core/import/ImportConnection.h"

ImportConnection::ImportConnection(const std::string& path, const BlowfishEngine& keyed)
    : m_keyed(keyed) {
    m_db.open(path);
}
