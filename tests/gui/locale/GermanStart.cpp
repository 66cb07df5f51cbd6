// The program started in German: ctest runs this program alone with LANG=de_DE.UTF-8.
#include "core/platform/Translations.h"
#include "gui/app/CMainFrame.h"
#include "support/AppTest.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>

namespace {

class GermanStart : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // As main() does before the window is made: Qt's translation and the program's.
        ASSERT_EQ(Translations::install(*QCoreApplication::instance()), 2);
        startWithoutWelcome();
    }
};

TEST_F(GermanStart, MenusAndQtsOwnButtonsAreGerman) {
    QStringList titles;
    for (QAction* menu : frame().menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
                                   QStringLiteral("&Ansicht"), QStringLiteral("E&xtras"),
                                   QStringLiteral("&Hilfe")}));
    const QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

} // namespace
