#include "BrowserFixture.h"

#include "browser/CStyledLabel.h"

#include <QTextEdit>

namespace {

class PreviewPaneTest : public BrowserFixture {};

TEST_F(PreviewPaneTest, HeaderDoubleClickOpensTheShownEntryOnly) {
    journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "one", true,
                     "{\\rtf1\\ansi Hello\\par}");
    openJournal();
    QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(log.count("CreateEntryEditor"), 0);

    clickRow(0);
    QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(log.count("LoadEntry {E-1}"), 1);
}

TEST_F(PreviewPaneTest, EntryViewIsReadOnlyWithoutMenuAndKeepsBelowTheHeader) {
    QTextEdit* view = preview->entryView();
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(view->toPlainText().trimmed(), QStringLiteral("No entry is selected."));
    window.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->geometry().top(), 35);
    EXPECT_EQ(view->geometry().bottom(), preview->height() - 1);
    EXPECT_EQ(view->width(), preview->width());
}

TEST_F(PreviewPaneTest, HiddenPreviewIsLeftAloneBySelection) {
    journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "one", true, "text");
    openJournal();
    preview->hide();
    clickRow(0);
    EXPECT_EQ(doc.m_currentEntryId, "");
    EXPECT_EQ(preview->entryId(), "");
}

TEST_F(PreviewPaneTest, StyledLabelSettersChangeItsFontAndColour) {
    CStyledLabel label;
    label.setFontName(QStringLiteral("An Extremely Long Font Family Name That Goes On"));
    EXPECT_EQ(label.font().family().size(), 31);
    label.setFontBold(true);
    EXPECT_EQ(label.font().weight(), QFont::Bold);
    label.setFontBold(false);
    EXPECT_EQ(label.font().weight(), QFont::Normal);
    label.setFontSize(18);
    EXPECT_EQ(label.font().pixelSize(), 18);
    label.setTextColor(Qt::red);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::red));
}

} // namespace
