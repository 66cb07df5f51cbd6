// Key material is wiped in place; a process holding a protected journal writes no core dump.
#include "core/protect/Secrets.h"
#include "support/SessionFixture.h"

#include <cstdlib>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST(Secrets, WipingOverwritesTheWholeBufferNotJustTheLength) {
    for (const std::size_t length : {std::size_t{5}, std::size_t{200}}) {
        std::string secret(length, 's');
        secret.reserve(length + 50);
        secret.resize(length / 2); // a shorter secret over a longer one: bytes past the end
        const char* buffer = secret.data();
        const std::size_t capacity = secret.capacity();
        WipeSecret(secret);
        EXPECT_TRUE(secret.empty());
        ASSERT_EQ(secret.data(), buffer) << "wiping must not reallocate";
        EXPECT_EQ(std::string(buffer, capacity), std::string(capacity, '\0')) << length;
    }
}

bool coreDumpsOff() {
    rlimit core{};
    getrlimit(RLIMIT_CORE, &core);
    return prctl(PR_GET_DUMPABLE) == 0 && core.rlim_cur == 0;
}

void allowCoreDumps() {
    prctl(PR_SET_DUMPABLE, 1);
    rlimit core{};
    getrlimit(RLIMIT_CORE, &core);
    core.rlim_cur = core.rlim_max;
    setrlimit(RLIMIT_CORE, &core);
}

// Runs in a child process of its own, so that the process-wide state starts as a user's does.
using CoreDumps = SessionFixture;

TEST_F(CoreDumps, AreOffFromAPasswordOnAndNeverForAnUnprotectedJournal) {
    const std::string plain = createJournal("plain.qbk");
    doc.CloseJournal();
    const std::string locked = createJournal("locked.qbk", "hush");
    doc.CloseJournal();
    EXPECT_EXIT(
        {
            allowCoreDumps();
            int failures = open(plain) != CQBKDoc::OpenResult::Ok || coreDumpsOff();
            doc.CloseJournal();
            bool offAtPrompt = false;
            ui.acceptDialog<PasswordValues>([&](PasswordValues& v) {
                offAtPrompt = coreDumpsOff();
                v.m_password = "hush";
            });
            failures += doc.OpenJournal(locked) != CQBKDoc::OpenResult::Ok || !offAtPrompt;
            doc.CloseJournal();
            failures += !coreDumpsOff(); // texts may survive in memory the toolkit freed
            allowCoreDumps();
            ASSERT_EQ(open(plain), CQBKDoc::OpenResult::Ok);
            ui.acceptDialog<ChangePasswordValues>(
                [](ChangePasswordValues& v) { v.m_newPassword = v.m_confirmPassword = "hush"; });
            ui.answerMessage("Password Changed", MessageAnswer::Ok);
            doc.ChangePassword();
            failures += !coreDumpsOff();
            allowCoreDumps();
            ui.answerMessage("OK to close the journal that is open?", MessageAnswer::Yes);
            createJournal("made.qbk", "hush");
            _exit(failures + !coreDumpsOff());
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
