#include "browser/CStyledLabel.h"

CStyledLabel::CStyledLabel(QWidget* parent) : QLabel(parent) {}
void CStyledLabel::setTextColor(const QColor& color) {
    m_textColor = color;
}
void CStyledLabel::setFontBold(bool) {}
void CStyledLabel::setFontSize(int) {}
void CStyledLabel::setFontName(const QString&) {}
void CStyledLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
}
void CStyledLabel::applyStyle() {}
