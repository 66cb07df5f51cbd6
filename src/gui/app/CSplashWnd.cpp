#include "gui/app/CSplashWnd.h"

#include "gui/platform/TranslatedSvg.h"
#include "render/PaletteContrast.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

bool CSplashWnd::s_enabled = true;
CSplashWnd* CSplashWnd::s_current = nullptr;

CSplashWnd::CSplashWnd(QWidget* parent, const QString& version)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(kWidth, kHeight), m_version(version), m_owner(parent) {
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::ArrowCursor);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    QSvgRenderer(
        translatedSvg(
            QStringLiteral(":/images/splash.svg"), "CSplashWnd",
            {QT_TRANSLATE_NOOP("CSplashWnd", "A journal of your days, kept safe."),
             QT_TRANSLATE_NOOP("CSplashWnd", "Copyright Orrinvale. All rights reserved.")}))
        .render(&painter);
}

CSplashWnd::~CSplashWnd() {
    if (s_current == this)
        s_current = nullptr;
    qApp->removeEventFilter(this);
    if (m_owner)
        m_owner->repaint();
}

void CSplashWnd::ShowSplashScreen(QWidget* parent, const QString& version) {
    if (!s_enabled || s_current)
        return;
    s_current = new CSplashWnd(parent, version);
    // Centred on the main window, or on the screen while that has no place yet.
    const QRect area = parent && parent->isVisible() ? parent->frameGeometry()
                                                     : QGuiApplication::primaryScreen()->geometry();
    s_current->move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    s_current->m_timer = s_current->startTimer(kShowMilliseconds);
    qApp->installEventFilter(s_current);
    s_current->show();
    s_current->repaint();
}

void CSplashWnd::HideSplashScreen() {
    if (s_current)
        s_current->close();
}

void CSplashWnd::closeEvent(QCloseEvent* event) {
    // Gone for the program at once, though the window itself is deleted a moment later.
    if (s_current == this)
        s_current = nullptr;
    qApp->removeEventFilter(this);
    QWidget::closeEvent(event);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    // On the picture's own light paper, whatever the palette.
    const QColor paper = m_picture.toImage().pixelColor(285, 85);
    painter.setPen(PaletteContrast::readableOn(paper, {palette().color(QPalette::WindowText)}));
    painter.drawText(QRect(280, 80, kWidth - 280, kHeight - 80), Qt::AlignLeft | Qt::AlignTop,
                     tr("Version %1").arg(m_version));
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer) {
        killTimer(m_timer);
        m_timer = 0;
        close();
    }
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        if (!watched->isWidgetType())
            return false;
        // The press that hides the splash goes nowhere else: a shortcut is overridden so
        // that the key press itself comes here and is dropped.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            close();
        return true;
    default:
        return false;
    }
}
