#pragma once

#include "dialogs/ChangeDateValues.h"
#include "dialogs/CommentValues.h"
#include "dialogs/NewJournalValues.h"
#include "dialogs/OptionsValues.h"

class QWidget;

// Plain dialogs for the New Journal, Journal Options, Comment and Change Date values: every
// value can be seen and edited and the OK checks run, without the full layout of the finished
// dialogs. Each returns true on OK, with the values written back; Cancel leaves them as given.
bool runNewJournalStandIn(QWidget* parent, NewJournalValues& values);
bool runOptionsStandIn(QWidget* parent, OptionsValues& values);
bool runCommentStandIn(QWidget* parent, CommentValues& values);
bool runChangeDateStandIn(QWidget* parent, ChangeDateValues& values);
