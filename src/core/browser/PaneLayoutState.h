#pragma once

#include <optional>

// The show/hide state of the main window's left and right columns, kept apart from the widgets
// so every transition can be checked without a display.
//
// The layout has three splitters. Each can hide at most one of its two cells; hiding names the
// cell, showing takes no argument and brings back the one that is hidden. The left column's
// visible cells therefore depend on the path taken, which is why the sequences below always
// leave the splitters in a known arrangement.
class PaneLayoutState {
public:
    // A splitter of two cells with at most one of them hidden.
    class Split {
    public:
        void hide(int cell);
        void show() { m_hidden.reset(); }
        bool visible(int cell) const { return m_hidden != cell; }

    private:
        std::optional<int> m_hidden;
    };

    // Folders and preview shown, topics hidden: how every start begins.
    PaneLayoutState();

    bool foldersShown() const { return m_folders; }
    bool topicsShown() const { return m_topics; }
    bool previewShown() const { return m_preview; }

    // Each returns whether anything changed (a pane already in the asked state stays put).
    bool hideFolders();
    bool showFolders();
    bool hideTopics();
    bool showTopics();
    bool toggleTopics() { return m_topics ? hideTopics() : showTopics(); }
    // Returns the new preview-shown value.
    bool togglePreview();

    // Whether the caption bar offers a button that brings the folder pane back: set when the
    // folders are hidden, cleared when they are shown again.
    bool captionOffersFolders() const { return m_captionOffersFolders; }

    // Cells: the main splitter's columns are 0 (left column) and 1 (right column); the left
    // splitter's rows are 0 (folders) and 1 (topics); the right splitter's rows are 0 (entry
    // list) and 1 (preview).
    const Split& mainSplit() const { return m_main; }
    const Split& leftSplit() const { return m_left; }
    const Split& rightSplit() const { return m_right; }

    // What the user actually sees of each pane.
    bool folderPaneVisible() const { return m_main.visible(0) && m_left.visible(0); }
    bool topicPaneVisible() const { return m_main.visible(0) && m_left.visible(1); }
    bool previewPaneVisible() const { return m_right.visible(1); }

private:
    Split m_main;
    Split m_left;
    Split m_right;
    bool m_folders = true;
    bool m_topics = false;
    bool m_preview = true;
    bool m_captionOffersFolders = false;
};
