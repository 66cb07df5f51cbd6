#pragma once

#include "core/session/JournalUi.h"

#include <string>

class QWidget;

// The session's long work (JournalUi::runLongWork) on a worker, with the window live and a
// progress dialog over it once the work takes a moment; its Cancel sets the work's flag.
// Returns false when cancelled.
bool RunLongWorkOnWorker(QWidget* window, const std::string& title, const std::string& label,
                         const JournalUi::LongWork& work);
