#pragma once

#include <string>
#include <vector>

// The byte forms a typed password is tried in when a journal is opened, first match wins:
// the stored-text form (Windows-1252 when the password fits it, as the Windows program
// digests it), then, for a password with accented letters, its UTF-8 form.
std::vector<std::string> PasswordForms(const std::string& typed);
