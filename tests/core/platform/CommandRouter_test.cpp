#include "core/platform/CommandMap.h"
#include "core/platform/CommandRouter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A pane, a document and a frame (also the application) carrying the kinds of rules the real
// ones have.
namespace {

struct WindowState {
    bool open = false;
    bool paneAllows = true;
    unsigned recent = 0;
    std::string log; // the roles (and recent-file ids) whose handlers ran
    std::function<void()> closeWindow;
};

enum Role { Pane, Doc, Frame };

template <Role R> class Fake : public MappedCommandTarget<Fake<R>> {
public:
    explicit Fake(WindowState& state) : s(state) {}
    static const CommandMap<Fake>& commandMap();

    void run() { s.log += std::to_string(R); }
    void close() { s.open = false; }
    void closeWindow() { s.closeWindow(); }
    void openRecent(CommandId id) { s.log += std::to_string(id); }
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

// A command is enabled by the first target on the route with a rule for it, and runs there
// or at the first handler after it; "ran" is what the handler logged.
TEST_F(MainWindow, EnablingAndDispatchFollowTheFirstTargetOnTheRoute) {
    struct Case {
        bool paneActive, open, paneAllows;
        CommandId id;
        bool enabled;
        const char* ran;
    };
    const Case cases[] = {
        {false, false, true, ID_FILE_CLOSE_JOURNAL, false, ""},
        {true, true, true, ID_FILE_CLOSE_JOURNAL, true, ""}, // closes: no log
        // New Folder: enabled by the document alone, decided by the pane while it is active.
        {false, false, false, ID_FILE_NEW_FOLDER, true, "1"},
        {true, true, false, ID_FILE_NEW_FOLDER, false, ""},
        {true, false, true, ID_FILE_NEW_FOLDER, true, "1"},
        // A pane's command works only while the pane is active.
        {true, true, true, ID_FILE_RENAME_FOLDER, true, "0"},
        {false, true, true, ID_FILE_RENAME_FOLDER, false, ""},
        // A pane's handler without a rule does not escape the document's rule.
        {true, false, true, ID_TOOLS_SEARCH, false, ""},
        {true, true, false, ID_TOOLS_SEARCH, true, "0"},
        {true, false, true, ID_APP_ABOUT, true, "2"},
        {true, true, true, ID_EDIT_COPY, false, ""}, // nobody handles it
        // Two recent files: a range handler runs with the id it was sent.
        {false, true, true, ID_FILE_MRU_FILE1 + 1, true, "57617"},
        {false, true, true, ID_FILE_MRU_FILE1 + 2, false, ""},
        {false, true, true, ID_FILE_MRU_LAST + 1, false, ""},
    };
    s.recent = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << &c - cases);
        router.setActivePane(c.paneActive ? &pane : nullptr);
        s.open = c.open;
        s.paneAllows = c.paneAllows;
        s.log.clear();
        EXPECT_EQ(router.state(c.id).enabled, c.enabled);
        EXPECT_EQ(router.dispatch(c.id), c.enabled);
        EXPECT_EQ(s.log, c.ran);
    }
    EXPECT_EQ(router.state(ID_FILE_MRU_FILE1), (CommandState{true, true, std::nullopt}));
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
