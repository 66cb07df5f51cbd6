#pragma once

class QSettings;

// How Print Journal lays its entries out, remembered in the profile ("Settings" section) from
// one print to the next. The defaults print as the program always has: each entry from a new
// page, pages without numbers, no comments.
struct PrintChoices {
    bool continuous = false;  // entries one after another
    bool pageNumbers = false; // "Page N of M" and the journal's title in the footer
    bool comments = false;    // each entry's comment under its date

    static PrintChoices Load(QSettings& settings);
    void Save(QSettings& settings) const;
};
