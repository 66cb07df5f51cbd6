#pragma once

#include <QColor>
#include <QLabel>

// A label whose colour, weight, size and face can be set in code. With notify set, a click
// opens its text with the desktop (a web address, say); no label of ours sets it.
class CStyledLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr int kMaxFaceNameLength = 31;

    explicit CStyledLabel(QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    void setFontBold(bool bold);
    // Character height in pixels.
    void setFontSize(int pixels);
    // Longer names are cut to 31 characters.
    void setFontName(const QString& face);
    void setNotify(bool notify) { m_notify = notify; }
    QColor textColor() const { return m_textColor; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_textColor;
    bool m_notify = false;
};
