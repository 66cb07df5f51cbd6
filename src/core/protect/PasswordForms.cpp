#include "core/protect/PasswordForms.h"

#include "core/platform/TextEncoding.h"

std::vector<std::string> PasswordForms(const std::string& typed) {
    std::vector<std::string> forms{typed};
    const QByteArray utf8 = storedToText(typed).toUtf8();
    const std::string alternative(utf8.constData(), static_cast<size_t>(utf8.size()));
    if (alternative != typed)
        forms.push_back(alternative);
    return forms;
}
