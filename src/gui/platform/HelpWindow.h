#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

// The help book: the table of contents on the left, the page on the right. The pages are
// HTML shipped inside the program.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QListWidget* contents() const { return m_contents; }
    QTextBrowser* page() const { return m_page; }

private:
    QListWidget* m_contents;
    QTextBrowser* m_page;
};
