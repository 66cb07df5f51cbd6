#pragma once

#include <QString>
#include <QWidget>

class CommandTarget;

// One of the main window's four panes as the layout sees it: what a pane announces, and the
// target its commands are routed to. The layout connects these signals by member pointer;
// a pane emits only those that apply to it.
class PaneWidget : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Where commands go while this pane is active; none for a pane without commands.
    virtual CommandTarget* commandTarget() { return nullptr; }

signals:
    // The pane took the keyboard focus or was clicked: it receives the commands now.
    void activated();
    // The pane's close button was pressed.
    void closeRequested();
    // The folder tree's selection, for the main caption.
    void captionChanged(const QString& folderName, bool isRoot);
    // The topic list's selected names joined by ",", for the main caption.
    void topicsTextChanged(const QString& text);
};
