#include "core/dialogs/TopicNameOrder.h"

#include "core/platform/NameCollation.h"
#include "core/platform/TextEncoding.h"

bool TopicNameLess(std::string_view a, std::string_view b) {
    return CompareNames(storedToText(a), storedToText(b)) < 0;
}
