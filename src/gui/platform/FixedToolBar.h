#pragma once

#include <QString>

class QMainWindow;
class QToolBar;

// A window's toolbar as the program's windows show them: fixed in place, large images with
// their text underneath, carrying its control id.
QToolBar* makeFixedToolBar(QMainWindow& window, const QString& objectName, int controlId);

// Names Qt's button that opens the buttons a narrow window cannot show, which has none.
void nameOverflowButton(QToolBar* bar);
