#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>

class QThread;
class QWidget;

// Long work off the window's thread. The work runs on a worker thread while a window-modal
// progress dialog over the window (shown once the work takes a moment) tells how far it has
// come and offers Cancel; the window stays live. The end is told on the window's thread, also
// after Cancel and also when the window has gone meanwhile. Belongs to the application object:
// work still running when the program ends is cancelled and waited for.
class BackgroundWork : public QObject {
    Q_OBJECT

public:
    // Set on the worker's thread, read on the window's.
    class Progress {
    public:
        void Tell(std::size_t done, std::size_t total) {
            m_total = total;
            m_done = done;
        }
        bool Cancelled() const { return m_cancel.load(); }
        const std::atomic<bool>& CancelFlag() const { return m_cancel; }

    private:
        friend class BackgroundWork;
        std::atomic<bool> m_cancel{false};
        std::atomic<std::size_t> m_done{0};
        std::atomic<std::size_t> m_total{0};
    };
    using Work = std::function<void(Progress&)>;
    using Done = std::function<void(bool cancelled)>;
    struct Texts {
        QString title;
        QString label;
        QString name; // the progress dialog's object name
    };

    // Starts the work once the event loop runs (so that whoever starts it is ready for its
    // end); done runs on this thread once it has ended.
    static BackgroundWork* Start(QWidget* window, const Texts& texts, Work work, Done done = {});
    // Start, then waits with the window live until done has run, for callers that need what
    // the work made at once. Returns whether it was cancelled.
    static bool Run(QWidget* window, const Texts& texts, Work work, Done done = {});
    // Starts the work at once, without a dialog (the caller shows that it waits), and waits up
    // to waitMs on this thread for it, so that quick work is told without a round through the
    // event loop. Returns nothing when done has run already.
    static BackgroundWork* StartWaiting(int waitMs, Work work, Done done);

    ~BackgroundWork() override;
    void Cancel();
    // Waits for work started with StartWaiting to end and tells its end now, rather than
    // through the event loop.
    void Wait();
    QProgressDialog* Dialog() const { return m_dialog; }

signals:
    void Ended(bool cancelled);

private:
    BackgroundWork(Work work, Done done);
    void ShowDialog(QWidget* window, const Texts& texts);
    void ShowProgress();
    void Finish();

    Progress m_progress;
    Work m_work;
    Done m_done;
    std::unique_ptr<QThread> m_thread;
    QPointer<QProgressDialog> m_dialog;
    QTimer m_poll;
    bool m_ended = false; // told already (Wait may come before the thread's queued end)
};
