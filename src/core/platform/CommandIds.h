#pragma once

// Command ids of the menus, toolbars, accelerators and context menus. The numbers are those
// of the Windows version's resources; menus, toolbars and the command tables of the
// document, frames and panes all meet on them.
//
// A command is named after the menu and item that show it, the main window's menu bar first
// (ID_FILE_CLOSE_JOURNAL), then the entry editor's (ID_FILE_SAVE_ENTRY); a command no menu
// bar shows is named after what it acts on (ID_ENTRY_CHANGE_DATE). Framework commands keep
// the framework's names.

using CommandId = unsigned int;

// A closed range of ids handled as one, such as the recent-file entries.
struct CommandRange {
    CommandId first;
    CommandId last;

    constexpr bool contains(CommandId id) const { return id >= first && id <= last; }
};

// Main window: journal document commands.
inline constexpr CommandId ID_FILE_NEW_JOURNAL = 32850;
inline constexpr CommandId ID_FILE_NEW_ENTRY = 32771;
inline constexpr CommandId ID_FILE_NEW_FOLDER = 32830;
inline constexpr CommandId ID_FILE_OPEN_JOURNAL = 32783;
inline constexpr CommandId ID_FILE_CLOSE_JOURNAL = 32784;
inline constexpr CommandId ID_FILE_PRINT_JOURNAL = 32871;
// Commands of our own, beyond the original menus.
inline constexpr CommandId ID_FILE_EXPORT_JOURNAL = 34180;
inline constexpr CommandId ID_FILE_BACKUP_JOURNAL = 34181;
inline constexpr CommandId ID_FILE_RESCUE_JOURNAL = 34182;
inline constexpr CommandId ID_FILE_IMPORT_JOURNAL = 34240;
inline constexpr CommandId ID_FILE_JOURNAL_OPTIONS = 32797;
inline constexpr CommandId ID_FILE_CHANGE_PASSWORD = 32838;
inline constexpr CommandId ID_EDIT_MASTER_TOPIC_LIST = 32858;
inline constexpr CommandId ID_TOOLS_SEARCH = 32807;
// The calendar pane and the statistics window.
inline constexpr CommandId ID_VIEW_CALENDAR = 34220;
inline constexpr CommandId ID_CALENDAR_TODAY = 34221;
inline constexpr CommandId ID_TOOLS_STATISTICS = 34222;
inline constexpr CommandId ID_HELP_WELCOME_DIALOG = 32837;
inline constexpr CommandId ID_TOPIC_NEW = 32835;
// Keyboard-only commands of our own: F5 reads the journal again, Shift+F10 opens the focused
// pane's context menu.
inline constexpr CommandId ID_PANES_REFRESH = 34190;
inline constexpr CommandId ID_PANE_CONTEXT_MENU = 34191;

// Main window: entry list pane (main menu, toolbar and the list's context menu).
inline constexpr CommandId ID_FILE_OPEN_ENTRY = 32785;
inline constexpr CommandId ID_FILE_DELETE_ENTRY = 32787;
inline constexpr CommandId ID_EDIT_COMMENT = 32786;
inline constexpr CommandId ID_ENTRY_CHANGE_DATE = 32872;
inline constexpr CommandId ID_EDIT_ENTRY_TOPICS = 32788;     // also the entry editor's Topics
inline constexpr CommandId ID_FILE_PRINT_ENTRY = 32863;      // also the entry editor's Print
inline constexpr CommandId ID_ENTRY_SHOW_IN_FOLDERS = 32844; // never handled: always disabled
// Files the selected entries (entry list) or the selected folder (folder tree) in a folder
// chosen from a picker, as a drop there would.
inline constexpr CommandId ID_ENTRY_MOVE_TO_FOLDER = 34200;

// Main window: folder tree and topic list panes.
inline constexpr CommandId ID_FILE_DELETE_FOLDER = 32831;
inline constexpr CommandId ID_FILE_RENAME_FOLDER = 32836;
inline constexpr CommandId ID_FILE_RENAME_TOPIC = 32833;
inline constexpr CommandId ID_TOPIC_DELETE = 32834;

// Main window: main frame.
inline constexpr CommandId ID_VIEW_PREVIEW_PANE = 32781;
inline constexpr CommandId ID_VIEW_PREVIEW_PANE_ALT = 32772; // second id of the same toggle
inline constexpr CommandId ID_VIEW_FOLDERS = 32782;
inline constexpr CommandId ID_VIEW_TOPICS = 32779;
inline constexpr CommandId ID_HELP_CONTENTS = 32862; // also the entry editor's Help
inline constexpr CommandId ID_HELP_SUPPORT = 32868;
inline constexpr CommandId ID_HELP_CHECK_FOR_UPDATES = 32864;
inline constexpr CommandId ID_HELP_CONFIGURE_AUTO_UPDATES = 32865;

// Entry editor.
inline constexpr CommandId ID_FILE_SAVE_ENTRY = 32774;
inline constexpr CommandId ID_TOOLS_CHECK_SPELLING = 32826;
inline constexpr CommandId ID_VIEW_FORMAT_BAR = 200;
inline constexpr CommandId ID_HELP_ABOUT = 100; // the editor's About: never handled, so disabled
inline constexpr CommandId ID_FORMAT_BOLD = 400;
inline constexpr CommandId ID_FORMAT_ITALIC = 401;
inline constexpr CommandId ID_FORMAT_UNDERLINE = 402;
inline constexpr CommandId ID_FORMAT_ALIGN_LEFT = 403;
inline constexpr CommandId ID_FORMAT_CENTER = 404;
inline constexpr CommandId ID_FORMAT_ALIGN_RIGHT = 405;
// Ours: effects and links the Windows control stores but its editor had no command for.
inline constexpr CommandId ID_FORMAT_STRIKEOUT = 406;
inline constexpr CommandId ID_FORMAT_SUPERSCRIPT = 407;
inline constexpr CommandId ID_FORMAT_SUBSCRIPT = 408;
inline constexpr CommandId ID_INSERT_LINK = 409;
inline constexpr CommandId ID_INSERT_PICTURE = 430;
inline constexpr CommandId ID_FORMAT_PICTURE_SIZE = 431;
// Ours: the text a journal's new entries start with on this computer.
inline constexpr CommandId ID_ENTRY_SET_TEMPLATE = 440;
inline constexpr CommandId ID_ENTRY_CLEAR_TEMPLATE = 441;
// Ours: lists, indents, highlight and the editor's view.
inline constexpr CommandId ID_FORMAT_BULLETS = 410;
inline constexpr CommandId ID_FORMAT_NUMBERING = 411;
inline constexpr CommandId ID_FORMAT_INDENT = 412;
inline constexpr CommandId ID_FORMAT_OUTDENT = 413;
inline constexpr CommandId ID_FORMAT_HIGHLIGHT = 414;
inline constexpr CommandId ID_FORMAT_HIGHLIGHT_COLOR = 415;
inline constexpr CommandId ID_FORMAT_CLEAR = 416;
inline constexpr CommandId ID_EDIT_PASTE_PLAIN = 417;
inline constexpr CommandId ID_VIEW_ZOOM_IN = 418;
inline constexpr CommandId ID_VIEW_ZOOM_OUT = 419;
inline constexpr CommandId ID_VIEW_ZOOM_RESET = 420;
inline constexpr CommandId ID_VIEW_FULL_SCREEN = 421;
inline constexpr CommandId ID_EDIT_FIND_PREVIOUS = 422;
inline constexpr CommandId ID_EDITOR_ESCAPE = 423; // leaves full screen, else closes
inline constexpr CommandId ID_FORMAT_TEXT_COLOR = 32796;
// Updated, not run: their update keeps the format bar's boxes in step with the selection.
inline constexpr CommandId ID_FORMAT_FACE_BOX = 188;
inline constexpr CommandId ID_FORMAT_SIZE_BOX = 189;

// Framework commands, with the framework's numbers.
inline constexpr CommandId ID_FILE_NEW = 57600;
inline constexpr CommandId ID_FILE_OPEN = 57601;
inline constexpr CommandId ID_FILE_CLOSE = 57602; // the entry editor's Close Entry
inline constexpr CommandId ID_FILE_SAVE = 57603;
inline constexpr CommandId ID_FILE_PAGE_SETUP = 57605;
inline constexpr CommandId ID_FILE_PRINT_SETUP = 57606;
inline constexpr CommandId ID_FILE_PRINT = 57607;
inline constexpr CommandId ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr CommandId ID_FILE_MRU_FILE1 = 57616;
inline constexpr CommandId ID_FILE_MRU_LAST = 57631;
inline constexpr CommandRange ID_FILE_MRU_RANGE{ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST};
inline constexpr CommandId ID_EDIT_CLEAR = 57632;
inline constexpr CommandId ID_EDIT_COPY = 57634;
inline constexpr CommandId ID_EDIT_CUT = 57635;
inline constexpr CommandId ID_EDIT_FIND = 57636;
inline constexpr CommandId ID_EDIT_PASTE = 57637;
inline constexpr CommandId ID_EDIT_REPEAT = 57640; // Find Next
inline constexpr CommandId ID_EDIT_REPLACE = 57641;
inline constexpr CommandId ID_EDIT_SELECT_ALL = 57642;
inline constexpr CommandId ID_EDIT_UNDO = 57643;
inline constexpr CommandId ID_EDIT_REDO = 57644; // the editor's Redo (Ctrl+Y, Ctrl+Shift+Z)
inline constexpr CommandId ID_APP_ABOUT = 57664;
inline constexpr CommandId ID_APP_EXIT = 57665;
inline constexpr CommandId ID_NEXT_PANE = 57680;
inline constexpr CommandId ID_PREV_PANE = 57681;
inline constexpr CommandId ID_FORMAT_FONT = 57696;
inline constexpr CommandId ID_VIEW_TOOLBAR = 59392;
inline constexpr CommandId ID_VIEW_STATUS_BAR = 59393;

// Status-bar indicators (string-table ids of their texts).
inline constexpr CommandId ID_INDICATOR_CAPS = 59137;
inline constexpr CommandId ID_INDICATOR_NUM = 59138;
inline constexpr CommandId ID_INDICATOR_SCRL = 59139;
