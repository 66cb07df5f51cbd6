#pragma once

#include <QString>

class QSettings;

// The per-user profile settings (QSettings with organisation "Orrinvale", application
// "Quillbook"): the Welcome dialog's switch and the recent-journal list live there.
namespace ProfileSettings {

inline QString organisation() {
    return QStringLiteral("Orrinvale");
}
inline QString application() {
    return QStringLiteral("Quillbook");
}

// Names the settings store for this process (called once at start-up).
void useProgramIdentity();

// "Settings"/"Show Welcome Dialog": 1 shows the Welcome dialog at start-up; missing means 1.
int showWelcomeDialog();
void setShowWelcomeDialog(int value);

} // namespace ProfileSettings
