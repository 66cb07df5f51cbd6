#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The title strip across the top of the folder and topic panes, with a small close button at
// its right end. Panes place it and their content with LayOutUnder.
class PaneCaption : public QWidget {
    Q_OBJECT
public:
    // With the usual font; a larger title font makes the strip taller.
    static constexpr int kHeight = 17;
    static constexpr int kContentGap = 2;

    PaneCaption(const QString& title, int closeButtonId, QWidget* pane);

    QToolButton* closeButton() const { return m_close; }

    // Caption across the top of the pane, content below it.
    void layOutWith(QWidget* content);

signals:
    void closeClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int stripHeight() const;

    QLabel* m_title;
    QToolButton* m_close;
};
