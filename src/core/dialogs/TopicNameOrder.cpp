#include "core/dialogs/TopicNameOrder.h"

#include "core/platform/TextEncoding.h"

bool TopicNameLess(std::string_view a, std::string_view b) {
    return storedToText(a).compare(storedToText(b), Qt::CaseInsensitive) < 0;
}
