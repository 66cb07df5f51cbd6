#include "core/platform/NameCollation.h"

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

// Names sort by the locale's collation, case ignored (Swedish puts its letters after z).
TEST(NameCollation, SortsByTheLocalesCollationIgnoringCase) {
    const std::tuple<QLocale::Language, const char*, const char*> cases[] = {
        {QLocale::English, "zebra apple Äpfel Eis éclair ÉCLAIR",
         "Äpfel apple éclair ÉCLAIR Eis zebra"},
        {QLocale::Swedish, "Äpple zebra apple", "apple zebra Äpple"}};
    const QLocale saved;
    for (const auto& [language, names, sorted] : cases) {
        QLocale::setDefault(QLocale(language));
        QStringList list = QString::fromUtf8(names).split(u' ');
        std::stable_sort(list.begin(), list.end(),
                         [](const QString& a, const QString& b) { return CompareNames(a, b) < 0; });
        EXPECT_EQ(list, QString::fromUtf8(sorted).split(u' ')) << names;
    }
    QLocale::setDefault(saved);
}
