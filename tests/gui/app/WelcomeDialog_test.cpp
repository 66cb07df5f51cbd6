// The Welcome dialog's buttons and check box, and the picture behind it.
#include "gui/app/CBackgroundDlg.h"
#include "gui/app/CWelcomeDlg.h"
#include "gui/platform/ControlId.h"
#include "support/GuiTest.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace {

class WelcomeDialogTest : public GuiTest {
protected:
    static QVariant stored() {
        return QSettings().value(QStringLiteral("Settings/Show Welcome Dialog"));
    }
    static bool tickedShown(const CWelcomeDlg& dialog) {
        auto* ticked = findControl<QLabel>(&dialog, CWelcomeDlg::kTickedId);
        auto* empty = findControl<QLabel>(&dialog, CWelcomeDlg::kEmptyId);
        EXPECT_NE(ticked->isHidden(), empty->isHidden()) << "exactly one image shows";
        return !ticked->isHidden();
    }
    static void clickCheck(CWelcomeDlg& dialog) {
        const int id = tickedShown(dialog) ? CWelcomeDlg::kTickedId : CWelcomeDlg::kEmptyId;
        QTest::mouseClick(findControl<QLabel>(&dialog, id), Qt::LeftButton);
    }
};

TEST_F(WelcomeDialogTest, IsAsLargeAsItsPictureWithTheButtonsWhereTheLayoutPutsThem) {
    CWelcomeDlg dialog("/somewhere/last.qbk");
    EXPECT_EQ(dialog.size(), QSize(566, 329));
    EXPECT_EQ(QSize(dialog.Image().Width(), dialog.Image().Height()), QSize(566, 329));
    auto* create = findControl<QPushButton>(&dialog, CWelcomeDlg::kNewJournalId);
    ASSERT_NE(create, nullptr);
    EXPECT_TRUE(create->isDefault());
    EXPECT_EQ(create->geometry(), QRect(284, 87, 261, 48)); // StartUpTest clicks the texts
    EXPECT_EQ(findControl<QPushButton>(&dialog, CWelcomeDlg::kCloseId)->text(),
              QStringLiteral("&Close"));
    EXPECT_TRUE(findControl<QPushButton>(&dialog, CWelcomeDlg::kOpenLastId)->isEnabled());
    // Without a recent journal there is nothing to open.
    CWelcomeDlg none("");
    EXPECT_FALSE(findControl<QPushButton>(&none, CWelcomeDlg::kOpenLastId)->isEnabled());
}

TEST_F(WelcomeDialogTest, CheckImageWritesTheSettingAtEachClickEvenIfClosedAfterwards) {
    CWelcomeDlg dialog("");
    EXPECT_TRUE(tickedShown(dialog)); // missing setting reads as 1
    for (const int written : {0, 1, 0}) {
        clickCheck(dialog);
        EXPECT_EQ(tickedShown(dialog), written != 0);
        EXPECT_EQ(stored().toInt(), written);
    }
    m_modals.then([](QWidget* shown) { clickButton(shown, QStringLiteral("Close")); });
    EXPECT_EQ(dialog.Run(), WelcomeChoice::Close);
    EXPECT_EQ(stored().toInt(), 0);

    // Any value but zero shows the tick, and the first click writes zero.
    QSettings().setValue(QStringLiteral("Settings/Show Welcome Dialog"), 2);
    CWelcomeDlg two("");
    EXPECT_TRUE(tickedShown(two));
    clickCheck(two);
    EXPECT_EQ(stored().toInt(), 0);
}

// A picture of 3 x 2 distinct pixels, saved where the dialog can load it.
class BackgroundTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_picture = QImage(3, 2, QImage::Format_RGB32);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x)
                m_picture.setPixel(x, y, qRgb(40 * x + 10, 100 * y + 20, 200));
        }
        m_path = m_settingsDir.filePath(QStringLiteral("picture.png"));
        ASSERT_TRUE(m_picture.save(m_path));
    }

    QImage paint(CBackgroundDlg& dialog, QSize area) const {
        QImage canvas(area, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        dialog.PaintBackground(painter, area);
        return canvas;
    }

    QImage m_picture;
    QString m_path;
};

TEST_F(BackgroundTest, TilesRepeatRightAndDownCutAtTheEdge) {
    CBackgroundDlg dialog;
    ASSERT_TRUE(dialog.SetBackground(m_path, CBackgroundDlg::Tile));
    const QImage canvas = paint(dialog, QSize(7, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(canvas.pixel(x, y), m_picture.pixel(x % 3, y % 2)) << x << "," << y;
    }
    // A picture larger than the area is drawn once at the top left.
    const QImage small = paint(dialog, QSize(2, 1));
    EXPECT_EQ(small.pixel(1, 0), m_picture.pixel(1, 0));
}

TEST_F(BackgroundTest, CentreAndStretchPlaceThePictureByTheArea) {
    CBackgroundDlg centred;
    ASSERT_TRUE(centred.SetBackground(m_path, CBackgroundDlg::Centre));
    const QImage canvas = paint(centred, QSize(7, 6));
    EXPECT_EQ(canvas.pixel(2, 2), m_picture.pixel(0, 0));
    EXPECT_EQ(canvas.pixel(4, 3), m_picture.pixel(2, 1));
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(5, 2), qRgb(0, 0, 0));

    CBackgroundDlg stretched;
    ASSERT_TRUE(stretched.SetBackground(m_path, CBackgroundDlg::Stretch));
    const QImage wide = paint(stretched, QSize(6, 4));
    EXPECT_EQ(wide.pixel(0, 0), m_picture.pixel(0, 0));
    EXPECT_EQ(wide.pixel(5, 3), m_picture.pixel(2, 1));
}

TEST_F(BackgroundTest, AMissingPictureLeavesAPlainDialog) {
    CBackgroundDlg dialog;
    EXPECT_FALSE(dialog.SetBackground(QStringLiteral(":/images/no-such-picture.png"), 0));
    EXPECT_FALSE(dialog.Image().IsLoaded());
    EXPECT_TRUE(dialog.styleSheet().isEmpty());
    EXPECT_EQ(paint(dialog, QSize(4, 4)).pixel(1, 1), qRgb(0, 0, 0));
}

} // namespace
