#include "gui/platform/DateField.h"
#include "support/GuiTest.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>

TEST(DateField, DigitsTypedOverASelectedSectionSetTheDate) {
    ensureApplication();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QDateTimeEdit field(QDateTime(QDate(2015, 12, 8), QTime(2, 2)));
    setUpDateField(&field, DateFieldParts::DateAndTime);
    QLocale::setDefault(before);
    field.show();
    field.setFocus();
    ASSERT_EQ(field.text(), QStringLiteral("08.12.2015 02:02"));
    // The year selected with the mouse, then the day as a section.
    field.findChild<QLineEdit*>()->setSelection(6, 4);
    QTest::keyClicks(&field, QStringLiteral("2026"));
    EXPECT_EQ(field.date(), QDate(2026, 12, 8));
    field.setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(&field, QStringLiteral("07"));
    EXPECT_EQ(field.dateTime(), QDateTime(QDate(2026, 12, 7), QTime(2, 2)));
}
