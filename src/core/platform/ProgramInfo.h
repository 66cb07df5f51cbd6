#pragma once

#include <string>

// The program's version, as the About box, the splash window, --version and the package show
// it.
inline constexpr char kProgramVersion[] = "1.5.4";

// "NAME VERSION", the first line of --version.
std::string versionLine(const char* programName);

// What quillbook --help prints.
std::string quillbookUsage();
