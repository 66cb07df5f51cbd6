#pragma once

#include "core/export/RecoveryFolder.h"

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <optional>
#include <string>
#include <utility>

class BlowfishEngine;

// Keeps the recovery copy of the one text an editor shows: writes it anew on request and
// removes it once the text is saved or its changes are discarded. Enciphering and writing run
// on a thread of their own, one step at a time in the order asked, so a removal never
// overtakes the write before it.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    // An editor asks for a copy once typing pauses this long, and at least this often while
    // typing goes on.
    static constexpr int kPauseMs = 3000;
    static constexpr int kLongestWaitMs = 30000;

    explicit RecoveryWriter(RecoveryFolder folder = {}, QObject* parent = nullptr);
    // Waits for the steps asked for: a removal asked on the way out still happens.
    ~RecoveryWriter() override;

    // Writes the copy; the copy kept so far under another journal or entry goes once it is
    // written (a new entry saved gets an id of its own).
    void keep(RecoveryCopy copy, const BlowfishEngine& keyed);
    // The copy becomes the one kept (restored into the editor): the next keep replaces it.
    void takeOver(const RecoveryCopy& copy);
    // Removes the copy kept, if any.
    void drop();
    void waitForDone() { m_pool.waitForDone(); }

signals:
    // A copy could not be written or removed; emitted on the writing thread.
    void failed(const QString& message);

private:
    void queue(std::function<void()> step);
    void queueRemoval(const std::pair<std::string, std::string>& kept);

    RecoveryFolder m_folder;
    QThreadPool m_pool;
    std::optional<std::pair<std::string, std::string>> m_kept; // journal, entry id
};
