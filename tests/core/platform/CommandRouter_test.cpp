#include "platform/CommandMap.h"
#include "platform/CommandRouter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A small main window whose document, folder tree, entry list, frame and application carry
// the kinds of rules the real ones have. Handlers log their target's name.
namespace {

using Log = std::vector<std::string>;

struct WindowState {
    bool open = false;
    bool hasPassword = false;
    bool treeAllows = true;
    bool previewShown = true;
    int selected = 0;
    unsigned recent = 0;
    Log log;
};

enum Role { Doc, Tree, Entries, Frame, App };

template <Role R> class Fake : public MappedCommandTarget<Fake<R>> {
public:
    explicit Fake(WindowState& state) : s(state) {}
    static const CommandMap<Fake>& commandMap();

    void run() { s.log.push_back(std::to_string(R)); }
    void close() { s.open = false; }
    void togglePreview() { s.previewShown = !s.previewShown; }
    void openRecent(CommandId id) { s.log.push_back(std::to_string(id)); }
    bool isOpen() const { return s.open; }
    bool treeAllows() const { return s.treeAllows; }
    bool oneSelected() const { return s.selected == 1; }
    void updatePassword(CommandUpdate& u) {
        u.enable(s.open);
        if (s.open) {
            u.setText(s.hasPassword ? "Change Password..." : "Set Password...");
        }
    }
    void updatePreview(CommandUpdate& u) { u.setChecked(s.previewShown); }
    void updateRecent(CommandUpdate& u) { u.enable(u.id() - ID_FILE_MRU_FILE1 < s.recent); }

    WindowState& s;
};

template <> const CommandMap<Fake<Doc>>& Fake<Doc>::commandMap() {
    static const CommandMap<Fake> map{
        {ID_FILE_OPEN_JOURNAL, &Fake::run},
        {ID_FILE_CLOSE_JOURNAL, &Fake::close, &Fake::isOpen},
        {ID_FILE_NEW_FOLDER, &Fake::run}, // the folder tree decides while it is active
        {ID_FILE_CHANGE_PASSWORD, &Fake::run, &Fake::updatePassword},
        {ID_TOOLS_SEARCH, &Fake::run, &Fake::isOpen},
    };
    return map;
}
template <> const CommandMap<Fake<Tree>>& Fake<Tree>::commandMap() {
    static const CommandMap<Fake> map{
        CommandMap<Fake>::updateOnly(ID_FILE_NEW_FOLDER, &Fake::treeAllows),
        {ID_FILE_RENAME_FOLDER, &Fake::run, &Fake::treeAllows},
    };
    return map;
}
template <> const CommandMap<Fake<Entries>>& Fake<Entries>::commandMap() {
    static const CommandMap<Fake> map{
        {ID_FILE_OPEN_ENTRY, &Fake::run, &Fake::oneSelected},
        {ID_TOOLS_SEARCH, &Fake::run}, // comes before the document's handler
    };
    return map;
}
template <> const CommandMap<Fake<Frame>>& Fake<Frame>::commandMap() {
    static const CommandMap<Fake> map{
        {ID_VIEW_PREVIEW_PANE, &Fake::togglePreview, &Fake::updatePreview},
        {ID_VIEW_PREVIEW_PANE_ALT, &Fake::togglePreview, &Fake::updatePreview},
        {ID_TOOLS_SEARCH, &Fake::run, &Fake::treeAllows}, // never reached: the document decides
    };
    return map;
}
template <> const CommandMap<Fake<App>>& Fake<App>::commandMap() {
    static const CommandMap<Fake> map{
        {ID_FILE_MRU_RANGE, &Fake::openRecent, &Fake::updateRecent},
        {ID_APP_ABOUT, &Fake::run},
    };
    return map;
}

class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        router.setDocument(&doc);
        router.setMainFrame(&frame);
        router.setApplication(&app);
    }
    void activate(Role pane) {
        router.setActivePane(pane == Tree      ? static_cast<CommandTarget*>(&tree)
                             : pane == Entries ? static_cast<CommandTarget*>(&entries)
                                               : nullptr);
    }

    WindowState s;
    Fake<Doc> doc{s};
    Fake<Tree> tree{s};
    Fake<Entries> entries{s};
    Fake<Frame> frame{s};
    Fake<App> app{s};
    CommandRouter router;
};

TEST_F(MainWindow, EnablingFollowsTheRuleOfTheFirstTargetOnTheRoute) {
    struct Case {
        Role pane; // Doc: no pane active
        bool open;
        bool treeAllows;
        int selected;
        CommandId id;
        bool enabled;
    };
    const Case cases[] = {
        {Doc, false, true, 0, ID_FILE_OPEN_JOURNAL, true},
        {Doc, false, true, 0, ID_FILE_CLOSE_JOURNAL, false},
        {Entries, true, true, 0, ID_FILE_CLOSE_JOURNAL, true},
        // New Folder: always enabled by the document alone, decided by the tree when active.
        {Doc, false, false, 0, ID_FILE_NEW_FOLDER, true},
        {Entries, false, false, 0, ID_FILE_NEW_FOLDER, true},
        {Tree, true, false, 0, ID_FILE_NEW_FOLDER, false},
        {Tree, true, true, 0, ID_FILE_NEW_FOLDER, true},
        // Pane commands work only while their pane is active.
        {Entries, true, true, 1, ID_FILE_OPEN_ENTRY, true},
        {Entries, true, true, 2, ID_FILE_OPEN_ENTRY, false},
        {Tree, true, true, 1, ID_FILE_OPEN_ENTRY, false},
        {Doc, true, true, 1, ID_FILE_OPEN_ENTRY, false},
        {Tree, true, true, 0, ID_FILE_RENAME_FOLDER, true},
        {Entries, true, true, 0, ID_FILE_RENAME_FOLDER, false},
        // A pane's handler without a rule does not escape the document's rule.
        {Entries, false, true, 0, ID_TOOLS_SEARCH, false},
        {Entries, true, false, 0, ID_TOOLS_SEARCH, true},
        {Tree, false, true, 0, ID_VIEW_PREVIEW_PANE_ALT, true},
        {Entries, false, true, 0, ID_APP_ABOUT, true},
        // Nobody handles these.
        {Entries, true, true, 1, ID_EDIT_COPY, false},
        {Entries, true, true, 1, ID_ENTRY_SHOW_IN_FOLDERS, false},
    };
    for (const Case& c : cases) {
        activate(c.pane);
        s.open = c.open;
        s.treeAllows = c.treeAllows;
        s.selected = c.selected;
        EXPECT_EQ(router.state(c.id).enabled, c.enabled)
            << "id " << c.id << ", pane " << c.pane << ", open " << c.open << ", tree allows "
            << c.treeAllows << ", selected " << c.selected;
    }
}

TEST_F(MainWindow, DispatchRunsTheFirstHandlerOfAnEnabledCommandOnly) {
    s.open = true;
    activate(Tree);
    EXPECT_TRUE(router.dispatch(ID_FILE_NEW_FOLDER)); // the tree's rule, the document's handler
    s.treeAllows = false;
    EXPECT_FALSE(router.dispatch(ID_FILE_NEW_FOLDER));
    activate(Entries);
    EXPECT_TRUE(router.dispatch(ID_TOOLS_SEARCH));
    EXPECT_FALSE(router.dispatch(ID_FILE_OPEN_ENTRY)); // nothing selected
    EXPECT_FALSE(router.dispatch(ID_EDIT_COPY));       // nobody handles it
    s.recent = 2;
    EXPECT_TRUE(router.dispatch(ID_FILE_MRU_FILE1 + 1));
    EXPECT_FALSE(router.dispatch(ID_FILE_MRU_FILE1 + 2));
    EXPECT_FALSE(router.dispatch(ID_FILE_MRU_LAST + 1));
    EXPECT_EQ(s.log, (Log{"0", "2", "57617"}));

    // Exit closes the journal; the window's close request then sends Close Journal again.
    EXPECT_TRUE(router.dispatch(ID_FILE_CLOSE_JOURNAL));
    EXPECT_FALSE(router.dispatch(ID_FILE_CLOSE_JOURNAL));
}

TEST_F(MainWindow, UpdateRulesSetTextAndCheckMarks) {
    s.open = true;
    EXPECT_EQ(router.state(ID_FILE_CHANGE_PASSWORD),
              (CommandState{true, false, std::string("Set Password...")}));
    s.hasPassword = true;
    EXPECT_EQ(router.state(ID_FILE_CHANGE_PASSWORD).text, "Change Password...");
    s.open = false; // disabled, and the item keeps whatever text it had
    EXPECT_EQ(router.state(ID_FILE_CHANGE_PASSWORD), (CommandState{false, false, std::nullopt}));

    EXPECT_TRUE(router.state(ID_VIEW_PREVIEW_PANE).checked);
    EXPECT_TRUE(router.dispatch(ID_VIEW_PREVIEW_PANE_ALT)); // both ids, one toggle
    EXPECT_FALSE(router.state(ID_VIEW_PREVIEW_PANE).checked);
}

TEST(CommandRouter, TargetsAndRoutersMayDieInEitherOrder) {
    WindowState s;
    Fake<Doc> doc(s);
    {
        CommandRouter main;
        CommandRouter editor; // the entry editor's window has a route of its own
        main.setDocument(&doc);
        editor.setApplication(&doc);
        editor.setMainFrame(&doc); // on two links: routed once
        EXPECT_EQ(editor.route(), (std::vector<CommandTarget*>{&doc}));
        editor.setMainFrame(nullptr);
        EXPECT_EQ(editor.route(), (std::vector<CommandTarget*>{&doc}));
    } // doc outlives both routers; the sanitizer build catches a reach into either

    auto pane = std::make_unique<Fake<Entries>>(s);
    s.selected = 1;
    CommandRouter router;
    router.setActivePane(pane.get());
    EXPECT_TRUE(router.state(ID_FILE_OPEN_ENTRY).enabled);
    pane.reset(); // a pane destroyed while active leaves the route
    EXPECT_EQ(router.link(CommandRouter::Link::ActivePane), nullptr);
    EXPECT_FALSE(router.dispatch(ID_FILE_OPEN_ENTRY));
}

// A window whose close command destroys it, as closing the entry editor does.
class SelfClosing : public MappedCommandTarget<SelfClosing> {
public:
    explicit SelfClosing(std::unique_ptr<SelfClosing>& owner) : m_owner(owner) {}
    static const CommandMap<SelfClosing>& commandMap() {
        static const CommandMap<SelfClosing> map{{ID_FILE_CLOSE, &SelfClosing::close}};
        return map;
    }
    void close() { m_owner.reset(); }

private:
    std::unique_ptr<SelfClosing>& m_owner;
};

TEST(CommandRouter, AHandlerMayDestroyItsOwnTarget) {
    std::unique_ptr<SelfClosing> window;
    window = std::make_unique<SelfClosing>(window);
    CommandRouter router;
    router.setMainFrame(window.get());
    EXPECT_TRUE(router.dispatch(ID_FILE_CLOSE));
    EXPECT_EQ(window, nullptr);
    EXPECT_TRUE(router.route().empty());
}

} // namespace
