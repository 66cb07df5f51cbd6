#pragma once

#include "gui/browser/CQBKView.h"

// Makes the four real panes of the main window.
CQBKView::PaneFactory browserPanes();
