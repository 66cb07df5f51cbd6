#pragma once

#include <QString>

#include <string>

namespace richtext {

// A short note centred in an entry view (Arial 10 pt, colour index colour of its table: 0 the
// default, 1 black), as RTF. Markup characters are escaped and the rest beyond ASCII written
// as Unicode escapes, so a note in any language reads back whole.
std::string NoteRtf(const QString& note, int colour);

} // namespace richtext
