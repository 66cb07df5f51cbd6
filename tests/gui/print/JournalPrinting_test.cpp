// Printing entries through the program's printer to a PDF file, read back by pdftotext; the
// Print Journal dialog; the printer settings kept from one start to the next.
#include "core/print/PrintJournalState.h"
#include "core/session/CQBKDoc.h"
#include "gui/platform/BackgroundWork.h"
#include "gui/platform/ControlId.h"
#include "gui/print/CCustomPrintDialog.h"
#include "gui/print/CPrintJournalDlg.h"
#include "gui/print/JournalPrinting.h"
#include "gui/print/PrinterSettings.h"
#include "support/GuiTest.h"
#include "support/PdfText.h"
#include "support/RecordingHost.h"
#include "support/ScriptedJournalUi.h"
#include "support/TestJournal.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

namespace {

class JournalPrintingTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        journal.addFolder("{F-WORK}", "{Root}", "Work");
        journal.addEntry("{E-B}", "2026-03-03 10:00", "{F-WORK}", "", false,
                         "{\\rtf1\\ansi secondentry\\par}");
        journal.addEntry("{E-A}", "2026-03-02 09:00", "{F-WORK}", "", false, "firstentry");
        journal.addEntry("{E-ROOT}", "2026-03-01 08:00", "{Root}", "", false, "rootentry");
        ASSERT_EQ(doc.OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
        doc.SetCurrentFolderId("{F-WORK}");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printing.runPrintJournalDialog = [this](PrintJournalState& state) {
            state.m_nPrintWhat = what;
            state.m_bBetween = between;
            state.SetFirstDay(day);
            state.SetLastDay(day);
            return true;
        };
        printing.runPrintDialog = [this](CCustomPrintDialog& dialog) {
            ++printDialogs;
            dialog.m_bDateTimeHeader = header;
            return confirm;
        };
    }

    TestJournal journal;
    CallLog log;
    RecordingHost host{log};
    ScriptedJournalUi ui;
    CQBKDoc doc{ui, host};
    QPrinter printer;
    PageMargins margins;
    JournalPrinting printing{doc, ui, printer, margins, nullptr};
    std::string pdf = journal.path() + ".pdf";

    int what = EntryChoice::CurrentFolder;
    bool between = false;
    COleDateTime day{2026, 3, 2, 0, 0, 0}; // first and last
    bool header = true;
    bool confirm = true;
    int printDialogs = 0;
};

// One print dialog for the whole job, its header choice for every entry; Cancel prints nothing,
// no match says so without a print dialog.
TEST_F(JournalPrintingTest, OneDialogForTheWholeJobCancelAndNoMatch) {
    header = false;
    printing.PrintJournal();
    EXPECT_EQ(printDialogs, 1);
    EXPECT_EQ(pageTexts(readPdf(pdf)), (std::vector<std::string>{"firstentry", "secondentry"}));
    QFile::remove(QString::fromStdString(pdf));

    confirm = false;
    printing.PrintJournal();
    EXPECT_EQ(printDialogs, 2);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));

    between = true;
    day = COleDateTime(2027, 1, 1, 0, 0, 0);
    ui.answerMessage("No entries to print.", MessageAnswer::Ok);
    printing.PrintJournal();
    EXPECT_EQ(printDialogs, 2);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

// A print into a PDF file runs on a worker; Cancel in its progress dialog leaves no file.
TEST_F(JournalPrintingTest, CancelWhilePrintingToPdfLeavesNoFile) {
    QTimer::singleShot(0, [] {
        auto* work = QCoreApplication::instance()->findChild<BackgroundWork*>();
        ASSERT_NE(work, nullptr);
        work->Dialog()->cancel();
    });
    printing.PrintJournal();
    EXPECT_EQ(printDialogs, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

// The selected entry goes through the session's entry print, which prints without a dialog; the
// entry's own Print command asks with the real dialog, whose header option reaches the job.
TEST_F(JournalPrintingTest, SelectedEntryAndTheEntryPrintWithAndWithoutItsDialog) {
    doc.SetCurrentEntryId("{E-B}");
    what = EntryChoice::SelectedEntry;
    between = true; // disabled for the selected entry: no dates apply
    printing.PrintJournal();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"Print Tuesday, March 3 2026 10:00 AM 0"}));
    EXPECT_EQ(host.printedText, "{\\rtf1\\ansi secondentry\\par}");

    printing.PrintEntryText(host.printedText, "Tuesday", 1);
    EXPECT_EQ(printDialogs, 0);
    EXPECT_EQ(pageTexts(readPdf(pdf)), (std::vector<std::string>{"Tuesday secondentry"}));

    QFile::remove(QString::fromStdString(pdf)); // else the dialog asks to replace it
    printing.runPrintDialog = [](CCustomPrintDialog& dialog) {
        return dialog.exec() == QDialog::Accepted;
    };
    m_modals.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Journal"));
        auto* option = findControl<QCheckBox>(dialog, CCustomPrintDialog::kDateTimeHeaderId);
        ASSERT_NE(option, nullptr);
        EXPECT_TRUE(option->isChecked());
        option->setChecked(false);
        clickButton(dialog, QStringLiteral("Print"));
    });
    printing.PrintEntryText("plainentry", "Monday", 0);
    EXPECT_EQ(m_modals.handled(), 1u);
    EXPECT_EQ(pageTexts(readPdf(pdf)), (std::vector<std::string>{"plainentry"}));
}

// The layout chosen in the dialog reaches the pages, whose file is titled as the journal is
// named, and comes back next time, when Preview shows the pages and asks for no printer.
TEST_F(JournalPrintingTest, LayoutChoicesAreRememberedAndPreviewed) {
    printing.runPrintJournalDialog = [](PrintJournalState& state) {
        state.m_choices = {true, true, false};
        return true;
    };
    printing.PrintJournal();
    EXPECT_EQ(pageTexts(readPdf(pdf)),
              (std::vector<std::string>{"Monday, March 2 2026 09:00 AM firstentry Tuesday, March "
                                        "3 2026 10:00 AM secondentry test.qbk Page 1 of 1"}));
    EXPECT_EQ(pdfTitle(pdf), doc.GetTitle());

    JournalPrinting next{doc, ui, printer, margins, nullptr};
    next.runPrintJournalDialog = [](PrintJournalState& state) {
        EXPECT_TRUE(state.m_choices.continuous && state.m_choices.pageNumbers);
        return state.m_bPreview = true;
    };
    int pages = 0;
    next.runPreview = [&](QPrintPreviewDialog& preview) {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        widget->updatePreview();
        pages = widget->pageCount();
    };
    next.PrintJournal();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(printDialogs, 1);
}

// The printer last chosen comes back with the next start.
class PrinterSettingsTest : public GuiTest {};

TEST_F(PrinterSettingsTest, PaperAndOrientationComeBackAMissingPrinterDoesNot) {
    QSettings settings;
    QPrinter chosen;
    chosen.setPageSize(QPageSize(QPageSize::A5));
    chosen.setPageOrientation(QPageLayout::Landscape);
    PrinterSettings::save(chosen, settings);
    settings.setValue(QStringLiteral("Printer/Name"), QStringLiteral("no such printer"));
    QPrinter next;
    const QString before = next.printerName();
    PrinterSettings::restore(next, settings);
    EXPECT_EQ(next.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(next.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(next.printerName(), before);

    // Nothing kept: the printer stays as the system made it.
    settings.clear();
    QPrinter fresh;
    const QPageSize::PageSizeId paper = fresh.pageLayout().pageSize().id();
    PrinterSettings::restore(fresh, settings);
    EXPECT_EQ(fresh.pageLayout().pageSize().id(), paper);
    EXPECT_EQ(fresh.pageLayout().orientation(), QPageLayout::Portrait);
}

// The Print Journal dialog shows its state and hands the clicks and days the user picks back to
// it; the rules themselves are the state's own tests.
using Dlg = CPrintJournalDlg;

class PrintJournalDialog : public GuiTest {
protected:
    // A disabled button takes no click.
    static void click(Dlg& dialog, int id) { findControl<QAbstractButton>(&dialog, id)->click(); }
    // Enabled state of: Selected Entry, Current Folder, Between, first day, "AND", last day.
    static std::vector<bool> enabled(Dlg& dialog) {
        std::vector<bool> states;
        for (int id : {Dlg::kSelectedEntryId, Dlg::kCurrentFolderId, Dlg::kBetweenId,
                       Dlg::kFirstDayId, Dlg::kAndId, Dlg::kLastDayId})
            states.push_back(findControl(&dialog, id)->isEnabled());
        return states;
    }

    const COleDateTime today{2026, 3, 10, 12, 0, 0};
};

TEST_F(PrintJournalDialog, ControlsFollowTheStateAndClicksAndDaysReachIt) {
    PrintJournalState root("", "{Root}", today);
    Dlg atRoot(root);
    EXPECT_EQ(enabled(atRoot), (std::vector<bool>{false, false, true, false, false, false}));
    click(atRoot, Dlg::kPreviewId);
    EXPECT_TRUE(root.m_bPreview && atRoot.result() == QDialog::Accepted);

    PrintJournalState state("{E1}", "{F1}", today);
    Dlg dialog(state);
    dialog.show();
    EXPECT_TRUE(findControl<QRadioButton>(&dialog, Dlg::kSelectedEntryId)->isChecked());
    EXPECT_EQ(enabled(dialog), (std::vector<bool>{true, true, false, false, false, false}));
    auto* first = findControl<QDateEdit>(&dialog, Dlg::kFirstDayId);
    auto* last = findControl<QDateEdit>(&dialog, Dlg::kLastDayId);
    EXPECT_EQ(first->displayFormat(), QStringLiteral("yyyy-MM-dd")); // the C locale's field
    EXPECT_EQ(first->date(), QDate(2026, 3, 10));
    EXPECT_EQ(last->date(), QDate(2026, 3, 10));

    click(dialog, Dlg::kAllEntriesId);
    EXPECT_EQ(enabled(dialog), (std::vector<bool>{true, true, true, false, false, false}));
    click(dialog, Dlg::kBetweenId);
    EXPECT_EQ(enabled(dialog), (std::vector<bool>{true, true, true, true, true, true}));
    click(dialog, Dlg::kCurrentFolderId);

    first->setDate(QDate(2026, 3, 20));
    EXPECT_EQ(last->date(), QDate(2026, 3, 20)) << "the last day follows the first";
    last->setDate(QDate(2026, 2, 1));
    EXPECT_EQ(first->date(), QDate(2026, 2, 1)) << "the first day goes back with the last";
    first->setDate(QDate(2026, 1, 15));
    click(dialog, Dlg::kPageNumbersId);

    dialog.accept();
    EXPECT_TRUE(state.m_choices.pageNumbers && !state.m_bPreview);
    const EntryChoice choice = state.Choice();
    EXPECT_EQ(choice.what, EntryChoice::CurrentFolder);
    EXPECT_TRUE(choice.between);
    EXPECT_EQ(choice.from, COleDateTime(2026, 1, 15, 0, 0, 0));
    EXPECT_EQ(choice.to, COleDateTime(2026, 2, 1, 23, 59, 59));
}

} // namespace
