#pragma once

#include <QPixmap>
#include <QWidget>

// The start-up picture with the version. It goes when its 2000 ms are up or at the first key
// or mouse press anywhere in the program, which it takes for itself.
class CSplashWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 434;
    static constexpr int kHeight = 268;
    static constexpr int kShowMilliseconds = 2000;

    // Whether the splash may show at all (not for embedding, automation or --nosplash).
    static void EnableSplashScreen(bool enable) { s_enabled = enable; }
    static bool IsEnabled() { return s_enabled; }
    // Shows the one splash over the parent, unless disabled or already shown.
    static void ShowSplashScreen(QWidget* parent, const QString& version);
    static CSplashWnd* Current() { return s_current; }
    // Hides and destroys the splash if there is one.
    static void HideSplashScreen();

    ~CSplashWnd() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWnd(QWidget* parent, const QString& version);

    static bool s_enabled;
    static CSplashWnd* s_current;

    QPixmap m_picture;
    QString m_version;
    QWidget* m_owner;
    int m_timer = 0;
};
