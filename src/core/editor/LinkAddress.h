#pragma once

#include <QString>

// The address a link gets from what the user typed in the Link dialog: trimmed; with no
// scheme, "mailto:" for an e-mail address and "https://" for anything else, as browsers
// complete a typed address. Empty for empty text.
QString completedLinkAddress(const QString& typed);
