// The Print Journal dialog shows its state and hands the clicks and days the user picks back to
// it; the rules themselves are the state's own tests.
#include "platform/ControlId.h"
#include "print/CPrintJournalDlg.h"
#include "print/PrintJournalState.h"
#include "support/GuiTest.h"

#include <QDateEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using Dlg = CPrintJournalDlg;

class PrintJournalDialog : public GuiTest {
protected:
    template <class T = QWidget> T* control(Dlg& dialog, int id) {
        T* found = findControl<T>(&dialog, id);
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    void click(Dlg& dialog, int id) {
        QAbstractButton* button = control<QAbstractButton>(dialog, id);
        ASSERT_TRUE(button->isEnabled()) << id;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
    }
    // Enabled state of: Between, first day, "AND", last day.
    std::vector<bool> dateControls(Dlg& dialog) {
        return {control(dialog, Dlg::kBetweenId)->isEnabled(),
                control(dialog, Dlg::kFirstDayId)->isEnabled(),
                control(dialog, Dlg::kAndId)->isEnabled(),
                control(dialog, Dlg::kLastDayId)->isEnabled()};
    }

    const COleDateTime today{2026, 3, 10, 12, 0, 0};
};

TEST_F(PrintJournalDialog, ControlsFollowTheStateAndClicksAndDaysReachIt) {
    PrintJournalState root("", "{Root}", today);
    Dlg atRoot(root);
    EXPECT_FALSE(control(atRoot, Dlg::kSelectedEntryId)->isEnabled());
    EXPECT_FALSE(control(atRoot, Dlg::kCurrentFolderId)->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(atRoot, Dlg::kAllEntriesId)->isChecked());

    PrintJournalState state("{E1}", "{F1}", today);
    Dlg dialog(state);
    dialog.show();
    EXPECT_TRUE(control<QRadioButton>(dialog, Dlg::kSelectedEntryId)->isChecked());
    EXPECT_EQ(dateControls(dialog), (std::vector<bool>{false, false, false, false}));
    auto* first = control<QDateEdit>(dialog, Dlg::kFirstDayId);
    auto* last = control<QDateEdit>(dialog, Dlg::kLastDayId);
    EXPECT_EQ(first->displayFormat(), QStringLiteral("MM/dd/yyyy"));
    EXPECT_EQ(first->date(), QDate(2026, 3, 10));
    EXPECT_EQ(last->date(), QDate(2026, 3, 10));

    click(dialog, Dlg::kAllEntriesId);
    EXPECT_EQ(dateControls(dialog), (std::vector<bool>{true, false, false, false}));
    click(dialog, Dlg::kBetweenId);
    EXPECT_EQ(dateControls(dialog), (std::vector<bool>{true, true, true, true}));
    click(dialog, Dlg::kSelectedEntryId);
    EXPECT_EQ(dateControls(dialog), (std::vector<bool>{false, false, false, false}));
    click(dialog, Dlg::kCurrentFolderId);

    first->setDate(QDate(2026, 3, 20));
    EXPECT_EQ(last->date(), QDate(2026, 3, 20)) << "the last day follows the first";
    last->setDate(QDate(2026, 2, 1));
    EXPECT_EQ(first->date(), QDate(2026, 2, 1)) << "the first day goes back with the last";
    first->setDate(QDate(2026, 1, 15));

    dialog.accept();
    const EntryChoice choice = state.Choice();
    EXPECT_EQ(choice.what, EntryChoice::CurrentFolder);
    EXPECT_TRUE(choice.between);
    EXPECT_EQ(choice.from, COleDateTime(2026, 1, 15, 0, 0, 0));
    EXPECT_EQ(choice.to, COleDateTime(2026, 2, 1, 23, 59, 59));
}

} // namespace
