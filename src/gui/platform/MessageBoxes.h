#pragma once

#include "core/dialogs/DialogChecks.h"
#include "core/session/MessageBoxRequest.h"

class QWidget;

// Shows the message box the core asked for, titled with the program's name, and returns the
// button pressed; Escape and closing the box count as escapeAnswer's button.
MessageAnswer showMessageBox(QWidget* parent, const MessageBoxRequest& request);

// Tells the user why a dialog's OK was refused and puts the focus, with its text selected, on
// the control the problem names (emptying the password fields when it says so).
void showProblem(QWidget* dialog, const DialogProblem& problem);
