#include "gui/platform/BackgroundWork.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QWidget>

namespace {

constexpr int kPollMs = 50;       // how often the dialog shows how far the work has come
constexpr int kShowAfterMs = 400; // quick work shows no dialog at all

} // namespace

BackgroundWork* BackgroundWork::Start(QWidget* window, const Texts& texts, Work work, Done done) {
    auto* started = new BackgroundWork(std::move(work), std::move(done));
    started->ShowDialog(window, texts);
    QTimer::singleShot(0, started, [started] {
        started->ShowProgress();
        started->m_thread->start();
    });
    return started;
}

BackgroundWork* BackgroundWork::StartWaiting(int waitMs, Work work, Done done) {
    auto* started = new BackgroundWork(std::move(work), std::move(done));
    started->m_thread->start();
    if (!started->m_thread->wait(QDeadlineTimer(waitMs)))
        return started;
    started->Finish();
    return nullptr;
}

bool BackgroundWork::Run(QWidget* window, const Texts& texts, Work work, Done done) {
    BackgroundWork* running = Start(window, texts, std::move(work), std::move(done));
    QEventLoop wait;
    bool cancelled = false;
    connect(running, &BackgroundWork::Ended, &wait, [&](bool wasCancelled) {
        cancelled = wasCancelled;
        wait.quit();
    });
    wait.exec();
    return cancelled;
}

BackgroundWork::BackgroundWork(Work work, Done done)
    : QObject(QCoreApplication::instance()), m_work(std::move(work)), m_done(std::move(done)) {
    m_thread.reset(QThread::create([this] { m_work(m_progress); }));
    connect(m_thread.get(), &QThread::finished, this, &BackgroundWork::Finish);
}

void BackgroundWork::ShowDialog(QWidget* window, const Texts& texts) {
    m_dialog = new QProgressDialog(texts.label, tr("Cancel"), 0, 0, window);
    m_dialog->setObjectName(texts.name);
    m_dialog->setWindowTitle(texts.title);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(kShowAfterMs);
    // Shown by the clock: work that cannot count its steps never moves the bar.
    QTimer::singleShot(kShowAfterMs, m_dialog, &QWidget::show);
    connect(m_dialog, &QProgressDialog::canceled, this, &BackgroundWork::Cancel);
    connect(&m_poll, &QTimer::timeout, this, &BackgroundWork::ShowProgress);
    m_poll.start(kPollMs);
}

BackgroundWork::~BackgroundWork() {
    if (m_thread && m_thread->isRunning()) {
        m_progress.m_cancel = true;
        m_thread->wait();
    }
    delete m_dialog;
}

void BackgroundWork::Cancel() {
    m_progress.m_cancel = true;
    if (m_dialog)
        m_dialog->setLabelText(tr("Cancelling..."));
}

void BackgroundWork::Wait() {
    m_thread->wait();
    Finish();
}

void BackgroundWork::ShowProgress() {
    if (!m_dialog)
        return;
    // Cancelled by a call rather than the button, which sends no signal.
    if (m_dialog->wasCanceled() && !m_progress.Cancelled())
        Cancel();
    const auto total = static_cast<int>(m_progress.m_total.load());
    const auto done = static_cast<int>(m_progress.m_done.load());
    if (total == 0)
        return; // no count: the bar stays a busy indicator
    if (m_dialog->maximum() != total)
        m_dialog->setMaximum(total);
    if (m_dialog->value() != done)
        m_dialog->setValue(done);
}

void BackgroundWork::Finish() {
    if (m_ended)
        return;
    m_ended = true;
    m_poll.stop();
    delete m_dialog;
    const bool cancelled = m_progress.Cancelled();
    if (m_done)
        m_done(cancelled);
    emit Ended(cancelled);
    deleteLater();
}
