#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lists the New Journal and Journal Options dialogs offer for a journal's date format,
// time format, default face and default size. A stored value that is none of the offered
// choices (a journal made elsewhere, a face not installed here) is added as one more choice
// and selected, so confirming the dialog keeps it unless the user picks another.

struct Choice {
    std::string label; // shown (stored bytes)
    std::string value; // what the journal stores (stored bytes; the size as digits)

    bool operator==(const Choice&) const = default;
};

struct ChoiceList {
    std::vector<Choice> items;
    int selected = -1; // always a valid index once built

    // The value of the selected choice.
    const std::string& selectedValue() const;
    // Whether the last item is the stored value kept beside the offered ones.
    bool keepsStoredValue = false;
};

// The four date formats, labelled with their fixed examples; an unknown stored format is
// labelled with the example date (Monday, July 5 2004) written in that format.
ChoiceList dateFormatChoices(const std::string& stored);

// The three time formats (12 hour, 24 hour, none), labelled as the radio buttons read; an
// unknown stored format is labelled with 1:30 PM written in that format. The empty text is
// "None", one of the offered choices.
ChoiceList timeFormatChoices(const std::string& stored);

// The installed families (sorted ignoring case, duplicates removed) with the stored face
// selected; a face not installed here is added to the sorted list.
ChoiceList fontFaceChoices(std::vector<std::string> families, const std::string& stored);

// The sizes 8 to 72 of the size list; a stored size that is not one of them is added in its
// place by number.
ChoiceList fontSizeChoices(int stored);

// The number a size value stands for (the digits at its start), or 12 when there are none.
int fontSizeValue(std::string_view value);
