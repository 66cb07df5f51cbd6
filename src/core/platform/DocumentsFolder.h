#pragma once

#include <optional>
#include <string>

// The user's documents folder (file-system bytes), made if it is missing; nothing when the
// platform names none or it cannot be made. New journals are proposed there and the Open
// dialog starts there.
std::optional<std::string> documentsFolder();
