#include "core/platform/CommandPrompts.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

using Prompt = std::pair<CommandId, std::string_view>;

constexpr std::array kPrompts{
    Prompt{ID_FILE_NEW_ENTRY, QT_TRANSLATE_NOOP("CommandPrompts", "New Journal Entry\nNew Entry")},
    Prompt{ID_FILE_NEW_FOLDER,
           QT_TRANSLATE_NOOP("CommandPrompts",
                             "Add a new folder to hold journal entries\nAdd a New Folder")},
    Prompt{ID_FILE_OPEN_ENTRY,
           QT_TRANSLATE_NOOP("CommandPrompts", "Open the selected entry\nOpen Entry")},
    Prompt{ID_FILE_DELETE_ENTRY,
           QT_TRANSLATE_NOOP("CommandPrompts", "Delete Selected Entry\nDelete Selected Entry")},
    Prompt{
        ID_ENTRY_MOVE_TO_FOLDER,
        QT_TRANSLATE_NOOP("CommandPrompts",
                          "Move the selected entries or folder to another folder\nMove to Folder")},
    Prompt{ID_FILE_RENAME_FOLDER,
           QT_TRANSLATE_NOOP("CommandPrompts", "Rename Selected Folder\nRename Selected Folder")},
    Prompt{ID_FILE_RENAME_TOPIC,
           QT_TRANSLATE_NOOP("CommandPrompts", "Rename Selected Topic\nRename Selected Topic")},
    Prompt{ID_FILE_CLOSE_JOURNAL,
           QT_TRANSLATE_NOOP("CommandPrompts", "Close the journal\nClose Journal")},
    Prompt{ID_FILE_PRINT_JOURNAL,
           QT_TRANSLATE_NOOP("CommandPrompts", "Print Journal Entries\nPrint Journal Entries")},
    Prompt{ID_FILE_PAGE_SETUP,
           QT_TRANSLATE_NOOP("CommandPrompts", "Change the printing options\nPage Setup")},
    Prompt{ID_FILE_JOURNAL_OPTIONS,
           QT_TRANSLATE_NOOP(
               "CommandPrompts",
               "Set preferences and properties for the currently open journal\nJournal Options")},
    Prompt{ID_FILE_CHANGE_PASSWORD,
           QT_TRANSLATE_NOOP("CommandPrompts", "Change the journal password\nChange Password")},
    Prompt{ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandPrompts",
                                          "Quit the application; prompts to save documents\nExit")},
    Prompt{ID_EDIT_ENTRY_TOPICS,
           QT_TRANSLATE_NOOP("CommandPrompts", "Select topics for this entry\nSelect Topics")},
    Prompt{ID_VIEW_PREVIEW_PANE,
           QT_TRANSLATE_NOOP("CommandPrompts", "Show / hide preview pane\nPreview Pane")},
    Prompt{ID_VIEW_PREVIEW_PANE_ALT,
           QT_TRANSLATE_NOOP("CommandPrompts", "Show / hide preview pane\nPreview Pane")},
    Prompt{ID_VIEW_FOLDERS,
           QT_TRANSLATE_NOOP("CommandPrompts", "Show / hide folders pane\nFolder Pane")},
    Prompt{ID_VIEW_TOPICS,
           QT_TRANSLATE_NOOP("CommandPrompts", "Show / hide topics pane\nTopic Pane")},
    Prompt{ID_VIEW_STATUS_BAR,
           QT_TRANSLATE_NOOP("CommandPrompts", "Show or hide the status bar\nToggle StatusBar")},
    Prompt{ID_TOOLS_SEARCH,
           QT_TRANSLATE_NOOP("CommandPrompts",
                             "Search for entries containing specific text\nSearch Entries")},
    Prompt{ID_VIEW_CALENDAR,
           QT_TRANSLATE_NOOP("CommandPrompts", "Show / hide the calendar\nCalendar")},
    Prompt{ID_CALENDAR_TODAY,
           QT_TRANSLATE_NOOP("CommandPrompts",
                             "Show today in the calendar and list its entries\nToday")},
    Prompt{ID_TOOLS_STATISTICS,
           QT_TRANSLATE_NOOP("CommandPrompts",
                             "Count entries, words and days written, with charts\nStatistics")},
    Prompt{ID_HELP_SUPPORT, QT_TRANSLATE_NOOP("CommandPrompts", "Open the support web page")},
    Prompt{ID_APP_ABOUT,
           QT_TRANSLATE_NOOP("CommandPrompts",
                             "Display program information, version number and copyright\nAbout")},
    Prompt{ID_FORMAT_TEXT_COLOR,
           QT_TRANSLATE_NOOP("CommandPrompts", "Set the text color\nText Color")},
};

constexpr std::array kIndicators{
    Prompt{ID_INDICATOR_CAPS, QT_TRANSLATE_NOOP("CommandPrompts", "CAP")},
    Prompt{ID_INDICATOR_NUM, QT_TRANSLATE_NOOP("CommandPrompts", "NUM")},
    Prompt{ID_INDICATOR_SCRL, QT_TRANSLATE_NOOP("CommandPrompts", "SCRL")},
};

template <std::size_t N> std::string_view lookUp(const std::array<Prompt, N>& table, CommandId id) {
    for (const auto& [key, text] : table) {
        if (key == id) {
            return text;
        }
    }
    return {};
}

} // namespace

QString commandString(CommandId id) {
    const std::string_view text = ID_FILE_MRU_RANGE.contains(id)
                                      ? QT_TRANSLATE_NOOP("CommandPrompts", "Open this document")
                                      : lookUp(kPrompts, id);
    if (text.empty())
        return {};
    return QCoreApplication::translate("CommandPrompts", text.data());
}

QString commandPrompt(CommandId id) {
    const QString text = commandString(id);
    return text.left(text.indexOf(u'\n'));
}

QString commandTooltip(CommandId id) {
    const QString text = commandString(id);
    const qsizetype newline = text.indexOf(u'\n');
    return newline < 0 ? QString() : text.mid(newline + 1);
}

QString idleMessage() {
    return QCoreApplication::translate("CommandPrompts", "Ready");
}

QString indicatorText(CommandId id) {
    const std::string_view text = lookUp(kIndicators, id);
    return text.empty() ? QString() : QCoreApplication::translate("CommandPrompts", text.data());
}

QString commandDisabledPrompt(CommandId id) {
    if (id == ID_FILE_DELETE_FOLDER)
        return QCoreApplication::translate(
            "CommandPrompts", "Only an empty folder without subfolders can be deleted.");
    return {};
}
