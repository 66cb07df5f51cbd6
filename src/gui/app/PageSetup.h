#pragma once

#include "core/platform/PageMargins.h"

class QPrinter;
class QWidget;

// Page Setup: the application's margins (twips) shown in thousandths of an inch on the
// printer's page layout.
namespace PageSetup {

// Puts the margins on the printer's page layout, in inches to the thousandth.
void applyMargins(QPrinter& printer, const PageMargins& margins);
// The margins the printer's page layout holds, back in twips.
PageMargins readMargins(const QPrinter& printer);

// Runs the page setup dialog on the printer; on OK the margins take the dialog's values. On
// Cancel neither the margins nor the printer change.
bool run(QWidget* parent, QPrinter& printer, PageMargins& margins);

} // namespace PageSetup
