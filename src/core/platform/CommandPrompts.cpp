#include "core/platform/CommandPrompts.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

using Prompt = std::pair<CommandId, std::string_view>;

constexpr std::array kPrompts{
    Prompt{ID_FILE_NEW_ENTRY, "New Journal Entry\nNew Entry"},
    Prompt{ID_FILE_NEW_FOLDER, "Add a new folder to hold journal entries\nAdd a New Folder"},
    Prompt{ID_FILE_OPEN_ENTRY, "Open the selected entry\nOpen Entry"},
    Prompt{ID_FILE_DELETE_ENTRY, "Delete Selected Entry\nDelete Selected Entry"},
    Prompt{ID_ENTRY_MOVE_TO_FOLDER,
           "Move the selected entries or folder to another folder\nMove to Folder"},
    Prompt{ID_FILE_RENAME_FOLDER, "Rename Selected Folder\nRename Selected Folder"},
    Prompt{ID_FILE_RENAME_TOPIC, "Rename Selected Topic\nRename Selected Topic"},
    Prompt{ID_FILE_CLOSE_JOURNAL, "Close the journal\nClose Journal"},
    Prompt{ID_FILE_PRINT_JOURNAL, "Print Journal Entries\nPrint Journal Entries"},
    Prompt{ID_FILE_PAGE_SETUP, "Change the printing options\nPage Setup"},
    Prompt{ID_FILE_JOURNAL_OPTIONS,
           "Set preferences and properties for the currently open journal\nJournal Options"},
    Prompt{ID_FILE_CHANGE_PASSWORD, "Change the journal password\nChange Password"},
    Prompt{ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    Prompt{ID_EDIT_ENTRY_TOPICS, "Select topics for this entry\nSelect Topics"},
    Prompt{ID_VIEW_PREVIEW_PANE, "Show / hide preview pane\nPreview Pane"},
    Prompt{ID_VIEW_PREVIEW_PANE_ALT, "Show / hide preview pane\nPreview Pane"},
    Prompt{ID_VIEW_FOLDERS, "Show / hide folders pane\nFolder Pane"},
    Prompt{ID_VIEW_TOPICS, "Show / hide topics pane\nTopic Pane"},
    Prompt{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    Prompt{ID_TOOLS_SEARCH, "Search for entries containing specific text\nSearch Entries"},
    Prompt{ID_VIEW_CALENDAR, "Show / hide the calendar\nCalendar"},
    Prompt{ID_CALENDAR_TODAY, "Show today in the calendar and list its entries\nToday"},
    Prompt{ID_TOOLS_STATISTICS, "Count entries, words and days written, with charts\nStatistics"},
    Prompt{ID_HELP_SUPPORT, "Open the support web page"},
    Prompt{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    Prompt{ID_FORMAT_TEXT_COLOR, "Set the text color\nText Color"},
};

constexpr std::array kIndicators{
    Prompt{ID_INDICATOR_CAPS, "CAP"},
    Prompt{ID_INDICATOR_NUM, "NUM"},
    Prompt{ID_INDICATOR_SCRL, "SCRL"},
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

std::string_view commandString(CommandId id) {
    if (ID_FILE_MRU_RANGE.contains(id)) {
        return "Open this document";
    }
    return lookUp(kPrompts, id);
}

std::string_view commandPrompt(CommandId id) {
    const std::string_view text = commandString(id);
    return text.substr(0, text.find('\n'));
}

std::string_view commandTooltip(CommandId id) {
    const std::string_view text = commandString(id);
    const auto newline = text.find('\n');
    return newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
}

std::string_view indicatorText(CommandId id) {
    return lookUp(kIndicators, id);
}

QString commandDisabledPrompt(CommandId id) {
    if (id == ID_FILE_DELETE_FOLDER)
        return QCoreApplication::translate(
            "CommandPrompts", "Only an empty folder without subfolders can be deleted.");
    return {};
}
