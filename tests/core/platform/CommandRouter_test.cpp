#include "platform/CommandMap.h"
#include "platform/CommandRouter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A pane, a document and a frame (also the application) carrying the kinds of rules the real
// ones have. Handlers log their target's role.
namespace {

struct WindowState {
    bool open = false;
    bool paneAllows = true;
    unsigned recent = 0;
    std::vector<std::string> log;
    std::function<void()> closeWindow;
};

enum Role { Pane, Doc, Frame };

template <Role R> class Fake : public MappedCommandTarget<Fake<R>> {
public:
    explicit Fake(WindowState& state) : s(state) {}
    static const CommandMap<Fake>& commandMap();

    void run() { s.log.push_back(std::to_string(R)); }
    void close() { s.open = false; }
    void closeWindow() { s.closeWindow(); }
    void openRecent(CommandId id) { s.log.push_back(std::to_string(id)); }
    bool isOpen() const { return s.open; }
    bool paneAllows() const { return s.paneAllows; }
    void updateRecent(CommandUpdate& u) {
        u.enable(u.id() - ID_FILE_MRU_FILE1 < s.recent);
        u.setChecked(u.id() == ID_FILE_MRU_FILE1);
    }

    WindowState& s;
};

template <> const CommandMap<Fake<Pane>>& Fake<Pane>::commandMap() {
    static const CommandMap<Fake> map{
        CommandMap<Fake>::updateOnly(ID_FILE_NEW_FOLDER, &Fake::paneAllows),
        {ID_FILE_RENAME_FOLDER, &Fake::run, &Fake::paneAllows},
        {ID_TOOLS_SEARCH, &Fake::run}, // comes before the document's handler
    };
    return map;
}
template <> const CommandMap<Fake<Doc>>& Fake<Doc>::commandMap() {
    static const CommandMap<Fake> map{
        {ID_FILE_CLOSE_JOURNAL, &Fake::close, &Fake::isOpen},
        {ID_FILE_NEW_FOLDER, &Fake::run}, // the pane decides while it is active
        {ID_TOOLS_SEARCH, &Fake::run, &Fake::isOpen},
    };
    return map;
}
template <> const CommandMap<Fake<Frame>>& Fake<Frame>::commandMap() {
    static const CommandMap<Fake> map{
        {ID_TOOLS_SEARCH, &Fake::run, &Fake::paneAllows}, // never reached: the document decides
        {ID_FILE_MRU_RANGE, &Fake::openRecent, &Fake::updateRecent},
        {ID_APP_ABOUT, &Fake::run},
        {ID_FILE_CLOSE, &Fake::closeWindow},
    };
    return map;
}

class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        router.setDocument(&doc);
        router.setMainFrame(&frame);
        router.setApplication(&frame);
    }

    WindowState s;
    Fake<Pane> pane{s};
    Fake<Doc> doc{s};
    Fake<Frame> frame{s};
    CommandRouter router;
};

TEST_F(MainWindow, EnablingFollowsTheRuleOfTheFirstTargetOnTheRoute) {
    struct Case {
        bool paneActive;
        bool open;
        bool paneAllows;
        CommandId id;
        bool enabled;
    };
    const Case cases[] = {
        {false, false, true, ID_FILE_CLOSE_JOURNAL, false},
        {true, true, true, ID_FILE_CLOSE_JOURNAL, true},
        // New Folder: enabled by the document alone, decided by the pane while it is active.
        {false, false, false, ID_FILE_NEW_FOLDER, true},
        {true, true, false, ID_FILE_NEW_FOLDER, false},
        {true, false, true, ID_FILE_NEW_FOLDER, true},
        // A pane's command works only while the pane is active.
        {true, true, true, ID_FILE_RENAME_FOLDER, true},
        {false, true, true, ID_FILE_RENAME_FOLDER, false},
        // A pane's handler without a rule does not escape the document's rule.
        {true, false, true, ID_TOOLS_SEARCH, false},
        {true, true, false, ID_TOOLS_SEARCH, true},
        {true, false, true, ID_APP_ABOUT, true},
        {true, true, true, ID_EDIT_COPY, false}, // nobody handles it
    };
    for (const Case& c : cases) {
        router.setActivePane(c.paneActive ? &pane : nullptr);
        s.open = c.open;
        s.paneAllows = c.paneAllows;
        EXPECT_EQ(router.state(c.id).enabled, c.enabled)
            << "id " << c.id << ", pane " << c.paneActive << ", open " << c.open << ", pane allows "
            << c.paneAllows;
    }
}

TEST_F(MainWindow, DispatchRunsTheFirstHandlerOfAnEnabledCommandOnly) {
    s.open = true;
    router.setActivePane(&pane);
    EXPECT_TRUE(router.dispatch(ID_FILE_NEW_FOLDER)); // the pane's rule, the document's handler
    s.paneAllows = false;
    EXPECT_FALSE(router.dispatch(ID_FILE_NEW_FOLDER));
    EXPECT_TRUE(router.dispatch(ID_TOOLS_SEARCH));
    EXPECT_FALSE(router.dispatch(ID_EDIT_COPY));
    s.recent = 2;
    EXPECT_EQ(router.state(ID_FILE_MRU_FILE1), (CommandState{true, true, std::nullopt}));
    EXPECT_TRUE(router.dispatch(ID_FILE_MRU_FILE1 + 1));
    EXPECT_FALSE(router.dispatch(ID_FILE_MRU_FILE1 + 2));
    EXPECT_FALSE(router.dispatch(ID_FILE_MRU_LAST + 1));
    EXPECT_EQ(s.log, (std::vector<std::string>{"1", "0", "57617"}));

    // Exit closes the journal; the window's close request then sends Close Journal again.
    EXPECT_TRUE(router.dispatch(ID_FILE_CLOSE_JOURNAL));
    EXPECT_FALSE(router.dispatch(ID_FILE_CLOSE_JOURNAL));
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

    auto pane = std::make_unique<Fake<Pane>>(s);
    CommandRouter router;
    router.setActivePane(pane.get());
    EXPECT_TRUE(router.state(ID_FILE_RENAME_FOLDER).enabled);
    pane.reset(); // a pane destroyed while active leaves the route
    EXPECT_EQ(router.link(CommandRouter::Link::ActivePane), nullptr);
    EXPECT_FALSE(router.dispatch(ID_FILE_RENAME_FOLDER));
}

TEST(CommandRouter, AHandlerMayDestroyItsOwnTarget) {
    WindowState s;
    auto window = std::make_unique<Fake<Frame>>(s);
    s.closeWindow = [&] { window.reset(); }; // as closing the entry editor does
    CommandRouter router;
    router.setMainFrame(window.get());
    EXPECT_TRUE(router.dispatch(ID_FILE_CLOSE));
    EXPECT_EQ(window, nullptr);
    EXPECT_TRUE(router.route().empty());
}

} // namespace
