#include "gui/export/RescueJournalCommand.h"

#include "core/export/JournalRescue.h"
#include "core/export/RescueReport.h"
#include "core/session/CQBKDoc.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>

#include <memory>

namespace RescueJournalCommand {

namespace {

// The rescue reads the whole file: the window stays responsive while a worker does it.
RescueResult RescueOnWorker(const std::string& source, const std::string& target, QWidget* parent) {
    RescueResult result;
    QProgressDialog busy(
        QCoreApplication::translate("RescueJournalCommand", "Saving what can still be read..."),
        QString(), 0, 0, parent);
    busy.setObjectName(QStringLiteral("rescueBusy"));
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(0);
    QEventLoop loop;
    // The save dialog has asked before the user chose to replace a file.
    const std::unique_ptr<QThread> worker(
        QThread::create([&] { result = RescueJournal(source, target, true); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    busy.show();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();
    return result;
}

} // namespace

void Run(const CQBKDoc& doc, QWidget* parent) {
    const QString filter =
        QCoreApplication::translate("RescueJournalCommand", "Journals (*.qbk);;All files (*)");
    QString source = doc.IsJournalOpen() ? QFile::decodeName(doc.Path().c_str()) : QString();
    if (source.isEmpty())
        source = QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("RescueJournalCommand", "Rescue Journal"),
            QString(), filter);
    if (source.isEmpty())
        return;
    const QFileInfo info(source);
    const QString target = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("RescueJournalCommand", "Save the Rescued Journal As"),
        info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
            QCoreApplication::translate("RescueJournalCommand", " rescued.qbk"),
        filter);
    if (target.isEmpty())
        return;
    const RescueResult result = RescueOnWorker(QFile::encodeName(source).toStdString(),
                                               QFile::encodeName(target).toStdString(), parent);
    const QString outcome = RescueOutcome(result, target);
    if (result.ok)
        QMessageBox::information(
            parent, QCoreApplication::translate("RescueJournalCommand", "Rescue Journal"), outcome);
    else
        QMessageBox::warning(
            parent, QCoreApplication::translate("RescueJournalCommand", "Rescue Journal"), outcome);
}

} // namespace RescueJournalCommand
