#pragma once

#include <string>

// The Change Password dialog; it becomes "Set Password", with the old password field
// disabled, when the journal has none (m_hasPassword false, set by the caller).
struct ChangePasswordValues {
    std::string m_oldPassword;
    std::string m_newPassword;
    std::string m_confirmPassword;
    bool m_hasPassword = false;
};
