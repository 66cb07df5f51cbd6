#include "gui/editor/EditorMenus.h"

#include "gui/platform/CommandActions.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/FixedToolBar.h"
#include "gui/platform/PaletteWatch.h"
#include "gui/platform/ThemeIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace {

struct Item {
    CommandId id; // 0: a separator
    const char* text;
    const char* name;
    QList<QKeySequence> keys;
    bool checkable = false;
};

struct Menu {
    const char* text;
    const char* name;
    std::vector<Item> items;
};

const std::vector<Menu>& menuTable() {
    static const std::vector<Menu> table{
        {QT_TRANSLATE_NOOP("EditorMenus", "&File"),
         "editorMenuFile",
         {
             {ID_FILE_SAVE_ENTRY,
              QT_TRANSLATE_NOOP("EditorMenus", "&Save Entry"),
              "editorSave",
              {QKeySequence(Qt::CTRL | Qt::Key_S)}},
             {0, nullptr, nullptr, {}},
             {ID_FILE_PRINT_ENTRY,
              QT_TRANSLATE_NOOP("EditorMenus", "&Print..."),
              "editorPrint",
              {QKeySequence(Qt::CTRL | Qt::Key_P)}},
             {ID_FILE_PRINT_PREVIEW,
              QT_TRANSLATE_NOOP("EditorMenus", "Print Preview..."),
              "editorPrintPreview",
              {}},
             {ID_FILE_PAGE_SETUP,
              QT_TRANSLATE_NOOP("EditorMenus", "Page Set&up"),
              "editorPageSetup",
              {}},
             {0, nullptr, nullptr, {}},
             {ID_EDIT_ENTRY_TOPICS,
              QT_TRANSLATE_NOOP("EditorMenus", "&Topics"),
              "editorTopics",
              {}},
             {ID_ENTRY_SET_TEMPLATE,
              QT_TRANSLATE_NOOP("EditorMenus", "Use as Te&mplate for New Entries"),
              "editorSetTemplate",
              {}},
             {ID_ENTRY_CLEAR_TEMPLATE,
              QT_TRANSLATE_NOOP("EditorMenus", "Clear Template for New Entries"),
              "editorClearTemplate",
              {}},
             {0, nullptr, nullptr, {}},
             {ID_FILE_CLOSE,
              QT_TRANSLATE_NOOP("EditorMenus", "&Close Entry"),
              "editorClose",
              {QKeySequence(Qt::CTRL | Qt::Key_W)}},
         }},
        {QT_TRANSLATE_NOOP("EditorMenus", "&Edit"),
         "editorMenuEdit",
         {
             {ID_EDIT_UNDO,
              QT_TRANSLATE_NOOP("EditorMenus", "&Undo"),
              "editorUndo",
              {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
             {ID_EDIT_REDO,
              QT_TRANSLATE_NOOP("EditorMenus", "&Redo"),
              "editorRedo",
              {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
             {0, nullptr, nullptr, {}},
             {ID_EDIT_CUT,
              QT_TRANSLATE_NOOP("EditorMenus", "Cu&t"),
              "editorCut",
              {QKeySequence(Qt::CTRL | Qt::Key_X)}},
             {ID_EDIT_COPY,
              QT_TRANSLATE_NOOP("EditorMenus", "&Copy"),
              "editorCopy",
              {QKeySequence(Qt::CTRL | Qt::Key_C)}},
             {ID_EDIT_PASTE,
              QT_TRANSLATE_NOOP("EditorMenus", "&Paste"),
              "editorPaste",
              {QKeySequence(Qt::CTRL | Qt::Key_V)}},
             {ID_EDIT_PASTE_PLAIN,
              QT_TRANSLATE_NOOP("EditorMenus", "Paste as Plain Te&xt"),
              "editorPastePlain",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}},
             {ID_EDIT_CLEAR,
              QT_TRANSLATE_NOOP("EditorMenus", "C&lear"),
              "editorClear",
              {QKeySequence(Qt::Key_Delete)}},
             {ID_EDIT_SELECT_ALL,
              QT_TRANSLATE_NOOP("EditorMenus", "Select A&ll"),
              "editorSelectAll",
              {QKeySequence(Qt::CTRL | Qt::Key_A)}},
             {0, nullptr, nullptr, {}},
             {ID_EDIT_FIND,
              QT_TRANSLATE_NOOP("EditorMenus", "&Find..."),
              "editorFind",
              {QKeySequence(Qt::CTRL | Qt::Key_F)}},
             {ID_EDIT_REPEAT,
              QT_TRANSLATE_NOOP("EditorMenus", "F&ind Next"),
              "editorFindNext",
              {QKeySequence(Qt::Key_F3)}},
             {ID_EDIT_FIND_PREVIOUS,
              QT_TRANSLATE_NOOP("EditorMenus", "Find Pre&vious"),
              "editorFindPrevious",
              {QKeySequence(Qt::SHIFT | Qt::Key_F3)}},
             {ID_EDIT_REPLACE,
              QT_TRANSLATE_NOOP("EditorMenus", "R&eplace..."),
              "editorReplace",
              {QKeySequence(Qt::CTRL | Qt::Key_H)}},
         }},
        {QT_TRANSLATE_NOOP("EditorMenus", "F&ormat"),
         "editorMenuFormat",
         {
             {ID_FORMAT_FONT, QT_TRANSLATE_NOOP("EditorMenus", "&Font..."), "editorFont", {}},
             {0, nullptr, nullptr, {}},
             {ID_FORMAT_BOLD,
              QT_TRANSLATE_NOOP("EditorMenus", "&Bold"),
              "editorBold",
              {QKeySequence(Qt::CTRL | Qt::Key_B)},
              true},
             {ID_FORMAT_ITALIC,
              QT_TRANSLATE_NOOP("EditorMenus", "&Italic"),
              "editorItalic",
              {QKeySequence(Qt::CTRL | Qt::Key_I)},
              true},
             {ID_FORMAT_UNDERLINE,
              QT_TRANSLATE_NOOP("EditorMenus", "&Underline"),
              "editorUnderline",
              {QKeySequence(Qt::CTRL | Qt::Key_U)},
              true},
             {ID_FORMAT_STRIKEOUT,
              QT_TRANSLATE_NOOP("EditorMenus", "&Strikethrough"),
              "editorStrikeOut",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)},
              true},
             {ID_FORMAT_SUPERSCRIPT,
              QT_TRANSLATE_NOOP("EditorMenus", "Su&perscript"),
              "editorSuperscript",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
              true},
             {ID_FORMAT_SUBSCRIPT,
              QT_TRANSLATE_NOOP("EditorMenus", "Subs&cript"),
              "editorSubscript",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)},
              true},
             {0, nullptr, nullptr, {}},
             {ID_FORMAT_BULLETS,
              QT_TRANSLATE_NOOP("EditorMenus", "Bull&ets"),
              "editorBullets",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_8)},
              true},
             {ID_FORMAT_NUMBERING,
              QT_TRANSLATE_NOOP("EditorMenus", "&Numbering"),
              "editorNumbering",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_7)},
              true},
             {ID_FORMAT_INDENT,
              QT_TRANSLATE_NOOP("EditorMenus", "Increase In&dent"),
              "editorIndent",
              {}},
             {ID_FORMAT_OUTDENT,
              QT_TRANSLATE_NOOP("EditorMenus", "Decrease Inden&t"),
              "editorOutdent",
              {}},
             {0, nullptr, nullptr, {}},
             {ID_FORMAT_HIGHLIGHT,
              QT_TRANSLATE_NOOP("EditorMenus", "&Highlight"),
              "editorHighlight",
              {},
              true},
             {ID_FORMAT_HIGHLIGHT_COLOR,
              QT_TRANSLATE_NOOP("EditorMenus", "Highlight Colo&r..."),
              "editorHighlightColor",
              {}},
             {ID_FORMAT_CLEAR,
              QT_TRANSLATE_NOOP("EditorMenus", "Clear F&ormatting"),
              "editorClearFormat",
              {}},
             {0, nullptr, nullptr, {}},
             {ID_INSERT_LINK,
              QT_TRANSLATE_NOOP("EditorMenus", "&Link..."),
              "editorLink",
              {QKeySequence(Qt::CTRL | Qt::Key_K)}},
         }},
        {QT_TRANSLATE_NOOP("EditorMenus", "&Insert"),
         "editorMenuInsert",
         {
             {ID_INSERT_PICTURE,
              QT_TRANSLATE_NOOP("EditorMenus", "&Picture..."),
              "editorInsertPicture",
              {}},
             {ID_FORMAT_PICTURE_SIZE,
              QT_TRANSLATE_NOOP("EditorMenus", "Picture &Size..."),
              "editorPictureSize",
              {}},
         }},
        {QT_TRANSLATE_NOOP("EditorMenus", "&View"),
         "editorMenuView",
         {
             {ID_VIEW_TOOLBAR,
              QT_TRANSLATE_NOOP("EditorMenus", "&Toolbar"),
              "editorViewToolbar",
              {},
              true},
             {ID_VIEW_FORMAT_BAR,
              QT_TRANSLATE_NOOP("EditorMenus", "&Format Bar"),
              "editorViewFormatBar",
              {},
              true},
             {ID_VIEW_STATUS_BAR,
              QT_TRANSLATE_NOOP("EditorMenus", "&Status Bar"),
              "editorViewStatusBar",
              {},
              true},
             {0, nullptr, nullptr, {}},
             {ID_VIEW_ZOOM_IN,
              QT_TRANSLATE_NOOP("EditorMenus", "Zoom &In"),
              "editorZoomIn",
              {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}},
             {ID_VIEW_ZOOM_OUT,
              QT_TRANSLATE_NOOP("EditorMenus", "Zoom &Out"),
              "editorZoomOut",
              {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
             {ID_VIEW_ZOOM_RESET,
              QT_TRANSLATE_NOOP("EditorMenus", "&Actual Size"),
              "editorZoomReset",
              {QKeySequence(Qt::CTRL | Qt::Key_0)}},
             {0, nullptr, nullptr, {}},
             {ID_VIEW_FULL_SCREEN,
              QT_TRANSLATE_NOOP("EditorMenus", "F&ull Screen"),
              "editorFullScreen",
              {QKeySequence(Qt::Key_F11)},
              true},
         }},
        {QT_TRANSLATE_NOOP("EditorMenus", "&Tools"),
         "editorMenuTools",
         {
             {ID_TOOLS_CHECK_SPELLING,
              QT_TRANSLATE_NOOP("EditorMenus", "Check Spelling..."),
              "editorCheckSpelling",
              {QKeySequence(Qt::Key_F7)}},
         }},
        {QT_TRANSLATE_NOOP("EditorMenus", "&Help"),
         "editorMenuHelp",
         {
             {ID_HELP_CONTENTS,
              QT_TRANSLATE_NOOP("EditorMenus", "Contents..."),
              "editorHelpContents",
              {QKeySequence(Qt::Key_F1)}},
             {ID_HELP_ABOUT, QT_TRANSLATE_NOOP("EditorMenus", "About"), "editorAbout", {}},
         }},
    };
    return table;
}

struct ToolButton {
    CommandId id; // 0: a separator
    const char* label;
    const char* image;
    const char* inkedTheme = nullptr; // a glyph in our dark ink: follows the palette
};

constexpr ToolButton kToolBar[] = {
    {ID_FILE_SAVE_ENTRY, QT_TRANSLATE_NOOP("EditorMenus", "Save"), "editor/save"},
    {ID_FILE_PRINT_ENTRY, QT_TRANSLATE_NOOP("EditorMenus", "Print"), "toolbar/print"},
    {0, nullptr, nullptr},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("EditorMenus", "Cut"), "editor/cut"},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("EditorMenus", "Copy"), "editor/copy"},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("EditorMenus", "Paste"), "editor/paste"},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("EditorMenus", "Undo"), "editor/undo"},
    {0, nullptr, nullptr},
    {ID_TOOLS_CHECK_SPELLING, QT_TRANSLATE_NOOP("EditorMenus", "Spell"), "editor/spell",
     "tools-check-spelling"},
    {0, nullptr, nullptr},
    {ID_EDIT_ENTRY_TOPICS, QT_TRANSLATE_NOOP("EditorMenus", "Topics"), "editor/topics"},
    {0, nullptr, nullptr},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("EditorMenus", "Done"), "editor/done"},
};

} // namespace

void EditorMenus::buildMenuBar(QMainWindow& window, CommandActions& actions) {
    QMenuBar* bar = window.menuBar();
    setControlId(bar, 59392);
    for (const Menu& line : menuTable()) {
        QMenu* menu = bar->addMenu(QCoreApplication::translate("EditorMenus", line.text));
        menu->setObjectName(QString::fromLatin1(line.name));
        actions.watch(menu);
        for (const Item& item : line.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action =
                actions.add(item.id, QCoreApplication::translate("EditorMenus", item.text),
                            QString::fromLatin1(item.name));
            action->setShortcuts(item.keys);
            // The text view's own keys (copy, undo, delete) win while it has the focus.
            action->setShortcutContext(Qt::WindowShortcut);
            action->setCheckable(item.checkable);
            menu->addAction(action);
        }
    }
}

QToolBar* EditorMenus::buildToolBar(QMainWindow& window, CommandActions& actions) {
    QToolBar* bar = makeFixedToolBar(window, QStringLiteral("editorToolBar"), 121);
    for (const ToolButton& button : kToolBar) {
        if (button.id == 0) {
            bar->addSeparator();
            continue;
        }
        const QString image =
            QStringLiteral(":/images/%1.svg").arg(QString::fromLatin1(button.image));
        auto* tool = new QAction(QIcon(image),
                                 QCoreApplication::translate("EditorMenus", button.label), bar);
        if (const char* theme = button.inkedTheme)
            PaletteWatch::follow(bar, [tool, bar, theme, image] {
                tool->setIcon(inkedThemeIcon(theme, image, bar->palette()));
            });
        tool->setObjectName(QStringLiteral("editorTool%1").arg(QString::fromLatin1(button.label)));
        actions.bind(tool, button.id);
        bar->addAction(tool);
    }
    // Buttons as wide as the widest label, within 50 to 64 pixels: a longer label (as some
    // languages have) widens only its own button, so the bar still fits the editor's width.
    int width = 50;
    for (QAction* action : bar->actions())
        if (QWidget* widget = bar->widgetForAction(action); widget && !action->isSeparator())
            width = std::max(width, widget->sizeHint().width());
    width = std::min(width, 64);
    for (QAction* action : bar->actions())
        if (QWidget* widget = bar->widgetForAction(action); widget && !action->isSeparator())
            widget->setMinimumWidth(width);
    return bar;
}
