#pragma once

#include <string>
#include <utility>
#include <vector>

// What a PDF file shows, read by poppler's pdftotext: an independent reader of what the
// program printed.

// A word on a page: its left, top and bottom edges, in points from the page's top-left corner.
struct PdfWord {
    std::string text;
    double left = 0;
    double top = 0;
    double bottom = 0;
};

struct PdfPage {
    double height = 0;
    std::vector<PdfWord> words;

    // The page's words joined by single spaces, in reading order.
    std::string text() const;
    // The first word that is text, or nullptr.
    const PdfWord* find(const std::string& text) const;
};

// Every page of the file; empty when the file is missing or not a PDF.
std::vector<PdfPage> readPdf(const std::string& path);
// The file's Title; empty when it has none.
std::string pdfTitle(const std::string& path);
// The sizes (width x height in pixels) of the pictures the file holds, as pdfimages lists
// them; empty when there are none or the file is not a PDF.
std::vector<std::pair<int, int>> pdfImageSizes(const std::string& path);
// Each page's text().
std::vector<std::string> pageTexts(const std::vector<PdfPage>& pages);
