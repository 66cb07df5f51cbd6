#pragma once

#include <QtGlobal>

#include <string>
#include <vector>

// One of the tool's messages in the user's language, as UTF-8, with %1 and %2 filled in from
// args (UTF-8). Each text is marked QT_TRANSLATE_NOOP("qbk", ...) where it stands.
std::string cliText(const char* text, const std::vector<std::string>& args = {});
