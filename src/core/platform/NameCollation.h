#pragma once

#include <QString>

// How lists of names sort, as sorted lists elsewhere on the desktop do: by the collation of
// the user's locale (QLocale's default), ignoring case, so "Äpfel" sorts among the a's rather
// than after "zebra". Negative, zero or positive, as QString::compare.
int CompareNames(const QString& a, const QString& b);
