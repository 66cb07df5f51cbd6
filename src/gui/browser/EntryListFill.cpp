#include "gui/browser/EntryListFill.h"

#include <QMetaObject>
#include <chrono>

namespace {
std::atomic<int> waitMs{50};
// One listing reads at a time: a reader's connection serves one thread at once, and an older
// listing, cancelled, gives way within a row.
std::mutex reading;
} // namespace

struct EntryListFill::Job {
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false; // under mutex
    bool delivered = false;
    Result result;
};

EntryListFill::EntryListFill(Done done, QObject* parent)
    : QObject(parent), m_done(std::move(done)) {}

EntryListFill::~EntryListFill() {
    Cancel();
    for (auto& [job, thread] : m_threads) {
        job->cancel = true;
        thread.join();
    }
}

void EntryListFill::SetWait(int ms) {
    waitMs = ms;
}

int EntryListFill::WaitMs() {
    return waitMs;
}

bool EntryListFill::Start(Read read) {
    Cancel();
    JoinFinished();
    auto job = std::make_shared<Job>();
    m_job = job;
    std::thread worker([this, job, read = std::move(read)] {
        {
            const std::lock_guard lock(reading);
            try {
                if (!job->cancel)
                    job->result.rows = read(job->cancel);
            } catch (const CppSQLite3Exception& e) {
                job->result.error = e;
            } catch (const std::exception&) {
                job->result.rows.clear(); // anything else leaves the list empty, untold
            }
        }
        {
            const std::lock_guard lock(job->mutex);
            job->finished = true;
        }
        job->ended.notify_all();
        // The fill outlives every worker (its destructor joins them), so this is safe.
        QMetaObject::invokeMethod(
            this, [this, job] { Deliver(job); }, Qt::QueuedConnection);
    });
    m_threads.emplace_back(job, std::move(worker));
    std::unique_lock lock(job->mutex);
    if (!job->ended.wait_for(lock, std::chrono::milliseconds(WaitMs()),
                             [&] { return job->finished; }))
        return false;
    lock.unlock();
    Deliver(job);
    return true;
}

void EntryListFill::Cancel() {
    if (m_job)
        m_job->cancel = true;
    m_job.reset();
}

void EntryListFill::Wait() {
    if (const std::shared_ptr<Job> job = m_job) {
        std::unique_lock lock(job->mutex);
        job->ended.wait(lock, [&] { return job->finished; });
        lock.unlock();
        Deliver(job);
    }
}

void EntryListFill::Deliver(const std::shared_ptr<Job>& job) {
    if (job != m_job || job->delivered)
        return; // given up, or told already
    job->delivered = true;
    m_job.reset();
    JoinFinished();
    m_done(std::move(job->result));
}

void EntryListFill::JoinFinished() {
    for (auto it = m_threads.begin(); it != m_threads.end();) {
        bool finished = false;
        {
            const std::lock_guard lock(it->first->mutex);
            finished = it->first->finished;
        }
        if (finished) {
            it->second.join();
            it = m_threads.erase(it);
        } else {
            ++it;
        }
    }
}
