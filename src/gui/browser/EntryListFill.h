#pragma once

#include "core/browser/EntryRow.h"
#include "core/store/CppSQLite3Exception.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class BackgroundWork;

// Reads the entry list's rows on a worker (BackgroundWork). A newer request cancels an older
// one, whose rows are then never shown. The window's thread waits a moment for a short listing
// (so that a small journal's list is filled at once, without a flash of an empty list) and is
// told of a longer one when it is done, through the event loop.
class EntryListFill : public QObject {
    Q_OBJECT
public:
    // What a worker hands back: the rows, or the failure reading gave.
    struct Result {
        std::vector<EntryRow> rows;
        std::optional<CppSQLite3Exception> error;
    };
    using Read = std::function<std::vector<EntryRow>(const std::atomic<bool>& cancel)>;
    using Done = std::function<void(Result)>;

    explicit EntryListFill(Done done, QObject* parent = nullptr);
    ~EntryListFill() override;

    // Starts reading; returns whether done has already run (the listing came within the wait).
    bool Start(Read read);
    // The running request, if any, is given up: done is not called for it.
    void Cancel();
    bool Busy() const { return m_current != 0; }
    // Waits until the running request has been delivered (tests, and code that must have the
    // rows now); returns at once when none runs.
    void Wait();

    // How long the window's thread waits for a listing before it goes on (milliseconds).
    static void SetWait(int ms);
    static int WaitMs();

private:
    Done m_done;
    unsigned m_started = 0;
    unsigned m_current = 0;             // the request whose rows are shown when they come; 0: none
    QPointer<BackgroundWork> m_running; // the current request's, unless it came within the wait
    std::vector<QPointer<BackgroundWork>> m_works; // every one not yet ended, cancelled ones too
};
