#pragma once

class QPrinter;
class QSettings;

// The printer the user last chose, kept in the settings ("Printer" section: the printer's
// name, paper and orientation) so the next start prints where the last one did. A printer
// that no longer exists is left to the system's default.
namespace PrinterSettings {

void save(const QPrinter& printer, QSettings& settings);
void restore(QPrinter& printer, QSettings& settings);

} // namespace PrinterSettings
