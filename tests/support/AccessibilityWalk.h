#pragma once

#include <QStringList>

class QWidget;

// What a screen reader and a keyboard user meet in a window.

// The interactive elements (buttons, boxes, edits, lists, tabs ...) under the root, shown or
// on a hidden page, that a screen reader would announce without a name; each as
// "role class objectName".
QStringList unnamedControls(QWidget* root);

// Shows and activates the window, then presses Tab until the focus comes back round; the
// focusable controls it never reached (a radio button counts as reached when another of its
// exclusive group was). Empty when the chain covers the window.
QStringList missedByTab(QWidget* window);
