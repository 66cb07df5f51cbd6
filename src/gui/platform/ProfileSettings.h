#pragma once

#include <QByteArray>
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

// "Window"/"Geometry" and "Window"/"Panes": the main window's place and size, and its pane
// layout, as they were when it last closed; empty before the first close.
QByteArray windowGeometry();
QByteArray paneLayout();
void setWindowLayout(const QByteArray& geometry, const QByteArray& panes);

// "Window"/"Entry List": the entry list's column widths and sort, as CEntryListView saves them.
QByteArray entryListColumns();
void setEntryListColumns(const QByteArray& columns);

// "Window"/"Status Bar": whether the main window's status bar is shown; missing means shown.
bool statusBarShown();
void setStatusBarShown(bool shown);

// "Settings"/"Open Last Journal": open the last journal at start-up instead of the Welcome
// dialog (StartUpActionFor); missing means off.
bool openLastJournal();
void setOpenLastJournal(bool on);

// "Settings"/"Show Welcome Dialog": 1 shows the Welcome dialog at start-up; missing means 1.
int showWelcomeDialog();
void setShowWelcomeDialog(int value);

} // namespace ProfileSettings
