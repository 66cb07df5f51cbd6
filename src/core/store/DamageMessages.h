#pragma once

#include <string>

// What the session says about a damaged journal file: it is open for reading only, so that
// nothing more is lost, and Rescue Journal saves what can still be read.
namespace DamageMessages {

// Opening found the damage.
std::string OpenedDamaged();
// A read found it while the journal was open for writing.
std::string FoundDamaged();
// What could not be done in a journal known to be damaged: a write it refused, or a read
// that met a damaged part.
std::string Refused();

// The progress shown while opening looks the whole file over for damage: title and label.
std::string CheckingTitle();
std::string CheckingLabel();

// The status bar's and the caption's words for a journal open for reading only.
std::string ReadOnlyIndicator(bool damaged);

} // namespace DamageMessages
