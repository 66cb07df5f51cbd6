#pragma once

#include <QString>

// The editor's date bar; its field is set up as every other date field.
namespace EntryDateFormat {

QString dateLabel();

} // namespace EntryDateFormat
