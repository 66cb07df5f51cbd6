#pragma once

#include <QString>

// The address a field instruction links to: the first quoted text after HYPERLINK, with a
// "\l" bookmark as "#name"; empty for every other field (page numbers, dates, ...) and for
// addresses other than http, https, mailto, ftp and bookmarks (no "javascript:" links).
QString FieldLinkTarget(const QString& instruction);

// The target as a document's link writes it: spaces, which end an address, as %20.
QString FieldLinkAddress(const QString& instruction);
