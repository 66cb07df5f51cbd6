#pragma once

#include <string>

// The password prompt shown when a protected journal is opened. The dialog empties the
// field each time it is shown.
struct PasswordValues {
    std::string m_password;
};
