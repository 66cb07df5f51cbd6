#pragma once
// The core tests' scripted JournalUi, under the path its own source includes.
#include "../../core/support/ScriptedJournalUi.h"
