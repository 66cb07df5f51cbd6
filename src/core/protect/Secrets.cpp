#include "core/protect/Secrets.h"

#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>

void WipeSecret(void* bytes, std::size_t size) {
    if (bytes != nullptr && size > 0)
        ::explicit_bzero(bytes, size);
}

void WipeSecret(std::string& secret) {
    // data() has capacity() + 1 writable bytes; the last is the terminator, zero anyway.
    WipeSecret(secret.data(), secret.capacity());
    secret.clear();
}

SecretsWiper::~SecretsWiper() {
    for (std::string* secret : m_secrets)
        WipeSecret(*secret);
}

bool KeepSecretsOutOfCoreDumps() {
    rlimit core{};
    bool held = ::getrlimit(RLIMIT_CORE, &core) == 0;
    if (held && core.rlim_cur != 0) {
        core.rlim_cur = 0;
        held = ::setrlimit(RLIMIT_CORE, &core) == 0;
    }
    return ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0 && held;
}
