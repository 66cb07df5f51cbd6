#include "core/export/RecoveryWriter.h"

#include "core/protect/BlowfishEngine.h"

#include <QCoreApplication>

#include <memory>

RecoveryWriter::RecoveryWriter(RecoveryFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)) {
    m_pool.setMaxThreadCount(1); // one step at a time, in order
}

RecoveryWriter::~RecoveryWriter() {
    m_pool.waitForDone();
}

void RecoveryWriter::queue(std::function<void()> step) {
    m_pool.start(std::move(step));
}

void RecoveryWriter::keep(RecoveryCopy copy, const BlowfishEngine& keyed) {
    const std::pair<std::string, std::string> key{copy.journal, copy.entryId};
    // The engine's copy goes with the step and is wiped when the step is done.
    queue([this, copy = std::move(copy), engine = std::make_shared<BlowfishEngine>(keyed)] {
        const QString error = m_folder.write(copy, *engine);
        if (!error.isEmpty())
            emit failed(QCoreApplication::translate(
                            "Recovery", "No recovery copy of the unsaved text could be kept: %1")
                            .arg(error));
    });
    if (m_kept && *m_kept != key)
        queueRemoval(*m_kept);
    m_kept = key;
}

void RecoveryWriter::takeOver(const RecoveryCopy& copy) {
    m_kept.emplace(copy.journal, copy.entryId);
}

void RecoveryWriter::drop() {
    if (m_kept)
        queueRemoval(*m_kept);
    m_kept.reset();
}

void RecoveryWriter::queueRemoval(const std::pair<std::string, std::string>& kept) {
    queue([this, kept] {
        if (!m_folder.remove(kept.first, kept.second))
            emit failed(QCoreApplication::translate("Recovery",
                                                    "The recovery copy %1 could not be removed.")
                            .arg(m_folder.fileFor(kept.first, kept.second)));
    });
}
