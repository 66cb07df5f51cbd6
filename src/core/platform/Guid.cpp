#include "core/platform/Guid.h"

#include <QUuid>
#include <string_view>

std::string NewGuidText() {
    const QByteArray text = QUuid::createUuid().toByteArray(QUuid::WithBraces).toUpper();
    return std::string(text.constData(), static_cast<size_t>(text.size()));
}

bool IsGuidText(std::string_view text) {
    static constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != kShape.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (kShape[i] == 'X') {
            if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
                return false;
        } else if (c != kShape[i]) {
            return false;
        }
    }
    return true;
}
