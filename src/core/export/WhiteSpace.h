#pragma once

#include <QString>

// How a markup language keeps white space it would otherwise fold into one space.
struct WhiteSpaceSpelling {
    QString repeatedSpace; // a space after another one, or at a line's start
    QString tab;
    QString lineBreak;
};

// Escaped text with its spaces, tabs and line breaks spelled so they show as typed.
// afterSpace: whether what came before ends in white space (true at a paragraph's start);
// updated for the next piece.
QString SpelledWhiteSpace(const QString& text, bool& afterSpace,
                          const WhiteSpaceSpelling& spelling);
