#pragma once

#include <string>

class QLineEdit;

// Password fields: what is typed there never goes to the clipboard (not even while the
// characters are shown) and is taken out of the field, and the field emptied, once read.

// Refuses Copy, Cut and dragging text out of the field, and its context menu.
void keepSecretOffClipboard(QLineEdit* edit);
// The field's text as stored bytes; the field is emptied and the copies made on the way wiped.
std::string takeSecret(QLineEdit* edit);
// Empties the field, wiping the copy of its text that reading it makes.
void wipeSecretField(QLineEdit* edit);
