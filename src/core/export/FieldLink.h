#pragma once

#include <QString>

// The address a field instruction links to: the first quoted text after HYPERLINK, with a
// "\l" bookmark as "#name"; empty for every other field (page numbers, dates, ...) and for
// addresses other than http, https, mailto, ftp and bookmarks (no "javascript:" links).
QString FieldLinkTarget(const QString& instruction);
