#include "gui/browser/CStyledLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

CStyledLabel::CStyledLabel(QWidget* parent)
    : QLabel(parent), m_textColor(palette().color(QPalette::WindowText)) {
    setFont(QApplication::font());
}

void CStyledLabel::setTextColor(const QColor& color) {
    m_textColor = color;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
    update();
}

void CStyledLabel::setFontBold(bool bold) {
    QFont changed = font();
    changed.setWeight(bold ? QFont::Bold : QFont::Normal);
    setFont(changed);
}

void CStyledLabel::setFontSize(int pixels) {
    QFont changed = font();
    changed.setPixelSize(std::max(1, pixels));
    setFont(changed);
}

void CStyledLabel::setFontName(const QString& face) {
    QFont changed = font();
    changed.setFamily(face.left(kMaxFaceNameLength));
    setFont(changed);
}

void CStyledLabel::mousePressEvent(QMouseEvent* event) {
    if (m_notify && event->button() == Qt::LeftButton && !text().isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(text()));
    QLabel::mousePressEvent(event);
}
