#include "core/session/BackgroundReader.h"

BackgroundReader::BackgroundReader(const std::string& path, const BlowfishEngine& keyed)
    : m_keyed(keyed) {
    m_db.open(path, true);
}
