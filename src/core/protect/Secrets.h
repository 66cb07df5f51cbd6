#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

// Key material (passwords as typed, a journal's content key) is overwritten as soon as it is no
// longer needed, so that it does not linger in freed memory.

// Overwrites the secret's whole buffer (its spare capacity too) and empties it.
void WipeSecret(std::string& secret);
void WipeSecret(void* bytes, std::size_t size);

// Wipes the strings it watches when it goes out of scope, however the scope is left.
class SecretsWiper {
public:
    SecretsWiper(std::initializer_list<std::string*> secrets) : m_secrets(secrets) {}
    ~SecretsWiper();
    SecretsWiper(const SecretsWiper&) = delete;
    SecretsWiper& operator=(const SecretsWiper&) = delete;

private:
    std::vector<std::string*> m_secrets;
};

// While a protected journal is open (and from the moment its password is asked for) the
// process writes no core dump and other processes of the user cannot read its memory through
// ptrace (PR_SET_DUMPABLE 0, RLIMIT_CORE 0). It stays so until the program ends: the texts of
// a protected journal can survive in memory freed by the toolkit, which no one can wipe.
// True when both settings hold.
bool KeepSecretsOutOfCoreDumps();
