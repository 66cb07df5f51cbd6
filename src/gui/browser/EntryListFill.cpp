#include "gui/browser/EntryListFill.h"

#include "gui/platform/BackgroundWork.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {
std::atomic<int> waitMs{50};
// One listing reads at a time: a reader's connection serves one thread at once, and an older
// listing, cancelled, gives way within a row.
std::mutex reading;
} // namespace

EntryListFill::EntryListFill(Done done, QObject* parent)
    : QObject(parent), m_done(std::move(done)) {}

EntryListFill::~EntryListFill() {
    // Deleting a work cancels it and waits for its thread, without telling its end.
    for (const QPointer<BackgroundWork>& work : m_works)
        delete work.data();
}

void EntryListFill::SetWait(int ms) {
    waitMs = ms;
}

int EntryListFill::WaitMs() {
    return waitMs;
}

bool EntryListFill::Start(Read read) {
    Cancel();
    std::erase_if(m_works, [](const QPointer<BackgroundWork>& work) { return work.isNull(); });
    const unsigned request = ++m_started;
    m_current = request;
    auto result = std::make_shared<Result>();
    BackgroundWork* work = BackgroundWork::StartWaiting(
        WaitMs(),
        [result, read = std::move(read)](BackgroundWork::Progress& progress) {
            const std::lock_guard lock(reading);
            try {
                if (!progress.Cancelled())
                    result->rows = read(progress.CancelFlag());
            } catch (const CppSQLite3Exception& e) {
                result->error = e;
            } catch (const std::exception&) {
                result->rows.clear(); // anything else leaves the list empty, untold
            }
        },
        // The fill deletes its works before it goes, so none tells a fill that has gone.
        [this, request, result](bool) {
            if (request != m_current)
                return; // given up
            m_current = 0;
            m_running.clear();
            m_done(std::move(*result));
        });
    if (!work)
        return true;
    m_works.emplace_back(work);
    m_running = work;
    return false;
}

void EntryListFill::Cancel() {
    if (m_running)
        m_running->Cancel();
    m_running.clear();
    m_current = 0;
}

void EntryListFill::Wait() {
    if (m_running)
        m_running->Wait();
}
