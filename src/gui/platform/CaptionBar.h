#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The strip across the top of the main window's panes: the selected folder's icon and name,
// a second text (the topic filter), and, while the folder pane is hidden, a button that
// offers it back.
class CaptionBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 31;

    explicit CaptionBar(QWidget* parent = nullptr);

    void updateCaption(const QString& text, const QString& secondText, const QIcon& icon);
    QString text() const;
    QString secondText() const;

    // Shows or removes the button that brings the hidden pane back.
    void setChildButtonShown(bool shown);
    bool childButtonShown() const;

signals:
    // The offered pane's button was clicked.
    void childRequested();

private:
    QLabel* m_icon;
    QLabel* m_text;
    QLabel* m_second;
    QToolButton* m_childButton;
};
