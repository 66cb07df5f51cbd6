#pragma once

#include "core/editor/EntryTextView.h"

#include <string>

// The editor window as the entry document sees it: text, modified flag, title, closing.
class FakeTextView : public EntryTextView {
public:
    void SetEntryText(const std::string& storedText) override {
        text = storedText;
        modified = false;
        ++loads;
    }
    std::string GetEntryText() const override { return text; }
    bool IsModified() const override { return modified; }
    void SetModified(bool on) override { modified = on; }
    void StartEmpty(const std::string& f, int p) override {
        text.clear();
        face = f;
        points = p;
    }
    void SetWindowTitle(const std::string& t) override { title = t; }
    void PaintNow() override {}
    void FocusText() override {}
    void CloseWindow() override { closed = true; }
    void ShowEntryDate(const COleDateTime& when) override { date = when; }

    // What the user does: the text becomes this and is modified.
    void type(const std::string& rtf) {
        text = rtf;
        modified = true;
    }

    std::string text, face, title;
    COleDateTime date;
    int points = 0;
    int loads = 0;
    bool modified = false;
    bool closed = false;
};
