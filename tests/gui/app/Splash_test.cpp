// The start-up picture: shown once, gone at the first key or click, which it swallows.
#include "gui/app/CSplashWnd.h"
#include "support/GuiTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class SplashTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        CSplashWnd::EnableSplashScreen(true);
        m_window.resize(400, 300);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_edit = new QLineEdit(&m_window);
        m_edit->show();
        QApplication::setActiveWindow(&m_window);
        m_edit->setFocus();
    }
    void TearDown() override {
        CSplashWnd::HideSplashScreen();
        QCoreApplication::processEvents();
        GuiTest::TearDown();
    }

    QWidget m_window;
    QLineEdit* m_edit = nullptr;
};

TEST_F(SplashTest, ShowsOnceAtItsSizeWithTheVersion) {
    CSplashWnd::ShowSplashScreen(&m_window, QStringLiteral("1.5.4"));
    CSplashWnd* shown = CSplashWnd::Current();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->size(), QSize(434, 268));
    CSplashWnd::ShowSplashScreen(&m_window, QStringLiteral("1.5.4"));
    EXPECT_EQ(CSplashWnd::Current(), shown);
    // The version's area differs from the picture alone where the letters are.
    const QImage painted = shown->grab().toImage();
    int inked = 0;
    const QRgb paper = painted.pixel(430, 100);
    for (int y = 80; y < 96; ++y) {
        for (int x = 280; x < 340; ++x)
            inked += painted.pixel(x, y) != paper ? 1 : 0;
    }
    EXPECT_GT(inked, 20);
}

// The first key or click hides it and goes nowhere else; later keys reach the window again.
TEST_F(SplashTest, AKeyOrAClickHidesItAndIsSwallowed) {
    bool clicked = false;
    auto* button = new QPushButton(QStringLiteral("x"), &m_window);
    button->show();
    QObject::connect(button, &QPushButton::clicked, [&clicked] { clicked = true; });
    CSplashWnd::ShowSplashScreen(&m_window, QStringLiteral("1.5.4"));
    QPointer<CSplashWnd> shown = CSplashWnd::Current();
    ASSERT_FALSE(shown.isNull());
    QTest::keyClick(m_edit, Qt::Key_A);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(m_edit->text().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    QTest::keyClick(m_edit, Qt::Key_B);
    EXPECT_EQ(m_edit->text(), QStringLiteral("b"));

    CSplashWnd::ShowSplashScreen(&m_window, QStringLiteral("1.5.4"));
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_FALSE(clicked);
}

} // namespace
