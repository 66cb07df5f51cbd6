#pragma once

#include <QStringList>

// Programs and pages outside Quillbook. None of them reports a failure: a missing updater or
// browser simply does nothing.
namespace ExternalPrograms {

// The maker's pages, shown by Help > Support and the About box.
QString supportPageUrl();
QString webSiteUrl();
QString supportMailAddress();

void openSupportPage();

// The updater program beside our own executable, or empty when there is none.
QString updaterPath();
// Starts the updater with the arguments and does not wait for it; false when it did not start.
bool startUpdater(const QStringList& arguments);

} // namespace ExternalPrograms
