#include "core/dialogs/SettingChoices.h"

#include <gtest/gtest.h>

namespace {

// A stored value not among the choices is kept as one more, so OK stores it unchanged.
TEST(SettingChoices, StoredValuesAreSelectedOrKept) {
    struct Case {
        ChoiceList list;
        std::string stored;
        int selected;
        bool kept;
        std::string keptLabel;
    };
    const Case cases[] = {
        {dateFormatChoices("%B %d, %Y"), "%B %d, %Y", 2, false, ""},
        {dateFormatChoices("%b %d, %Y"), "%b %d, %Y", 4, true, "Jul 05, 2004"}, // case counts
        {dateFormatChoices("%Y-%m-%d"), "%Y-%m-%d", 4, true, "2004-07-05"},
        {dateFormatChoices(""), "", 4, true, "(no date)"},
        {timeFormatChoices(""), "", 2, false, ""},
        {timeFormatChoices("%H:%M"), "%H:%M", 1, false, ""},
        {timeFormatChoices("%H:%M:%S"), "%H:%M:%S", 3, true, "Other (13:30:00)"},
        {fontSizeChoices(12), "12", 4, false, ""},
        {fontSizeChoices(72), "72", 16, false, ""},
        {fontSizeChoices(1), "1", 0, true, "1"},    // not 10, whose text begins with "1"
        {fontSizeChoices(13), "13", 5, true, "13"}, // in its place by number
        {fontSizeChoices(100), "100", 17, true, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(c.list.selected, c.selected);
        EXPECT_EQ(c.list.selectedValue(), c.stored);
        EXPECT_EQ(c.list.keepsStoredValue, c.kept);
        if (c.kept) {
            EXPECT_EQ(c.list.items[static_cast<std::size_t>(c.selected)].label, c.keptLabel);
        }
    }
}

TEST(SettingChoices, FacesAreSortedIgnoringCaseAndAMissingFaceIsKept) {
    const std::vector<std::string> installed{"Liberation Serif", "DejaVu Sans", "cantarell",
                                             "DejaVu Sans"};
    const ChoiceList present = fontFaceChoices(installed, "DejaVu Sans");
    std::vector<std::string> labels;
    for (const Choice& choice : present.items)
        labels.push_back(choice.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"cantarell", "DejaVu Sans", "Liberation Serif"}));
    EXPECT_EQ(present.selectedValue(), "DejaVu Sans");
    EXPECT_FALSE(present.keepsStoredValue);

    // A journal made on Windows, opened where its face is not installed.
    const ChoiceList missing = fontFaceChoices(installed, "Times New Roman");
    EXPECT_EQ(missing.selectedValue(), "Times New Roman");
    EXPECT_TRUE(missing.keepsStoredValue);
    EXPECT_EQ(missing.items.size(), 4u);
    EXPECT_EQ(missing.items.back().value, "Times New Roman");

    EXPECT_EQ(fontFaceChoices({}, "Arial").selectedValue(), "Arial");
}

TEST(SettingChoices, SizeValuesReadTheirLeadingNumber) {
    EXPECT_EQ(fontSizeValue("14"), 14);
    EXPECT_EQ(fontSizeValue("9 pt"), 9);
    EXPECT_EQ(fontSizeValue(""), 12);
    EXPECT_EQ(fontSizeValue("x"), 12);
}

} // namespace
