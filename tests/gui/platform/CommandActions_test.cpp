// QActions bound to the command route: what triggering does, and when their state follows.
#include "core/platform/CommandMap.h"
#include "core/platform/CommandRouter.h"
#include "gui/platform/CommandActions.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>

namespace {

constexpr CommandId kToggle = 32781;
constexpr CommandId kRun = 32784;
constexpr CommandId kNobody = 57634;

// A target whose rules the test changes between refreshes.
class Switchboard : public MappedCommandTarget<Switchboard> {
public:
    bool on = false;
    bool checked = false;
    int runs = 0;

    static const CommandMap<Switchboard>& commandMap() {
        static const CommandMap<Switchboard> map{
            {kToggle, &Switchboard::Toggle, &Switchboard::UpdateToggle},
            {kRun, &Switchboard::Run, &Switchboard::IsOn},
        };
        return map;
    }

private:
    void Toggle() { checked = !checked; }
    void UpdateToggle(CommandUpdate& update) {
        update.setChecked(checked);
        update.setText(checked ? "Hide" : "Show");
    }
    void Run() { ++runs; }
    bool IsOn() const { return on; }
};

class CommandActionsTest : public GuiTest {};

TEST_F(CommandActionsTest, StateFollowsTheRouteAndTriggeringRunsOnlyWhatItEnables) {
    Switchboard target;
    CommandRouter router;
    router.setDocument(&target);
    CommandActions actions(router, nullptr);
    QAction* toggle = actions.add(kToggle, QStringLiteral("&Toggle"));
    toggle->setCheckable(true);
    QAction* run = actions.add(kRun, QStringLiteral("&Run"), QStringLiteral("actionRun"));
    QAction* nobody = actions.add(kNobody, QStringLiteral("Copy"));
    actions.refresh();
    EXPECT_FALSE(run->isEnabled());
    EXPECT_FALSE(nobody->isEnabled());
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_EQ(toggle->text(), QStringLiteral("Show"));

    target.on = true;
    QMenu menu;
    actions.watch(&menu);
    emit menu.aboutToShow();
    ASSERT_TRUE(run->isEnabled());
    run->trigger();
    EXPECT_EQ(target.runs, 1);
    // Disabled on the route since the last refresh: the command is dropped.
    target.on = false;
    run->trigger();
    EXPECT_EQ(target.runs, 1);
    EXPECT_FALSE(run->isEnabled());

    // Nothing is computed while the loop idles; a request or a clipboard change refreshes,
    // once however many came.
    int refreshes = 0;
    QObject::connect(&actions, &CommandActions::refreshed, [&refreshes] { ++refreshes; });
    target.on = true;
    target.checked = true;
    QTest::qWait(30);
    EXPECT_EQ(refreshes, 0);
    EXPECT_FALSE(run->isEnabled());
    for (const bool request : {true, false}) {
        if (request)
            actions.requestRefresh();
        QGuiApplication::clipboard()->setText(QStringLiteral("changed") + QString::number(request));
        QCoreApplication::processEvents();
        EXPECT_EQ(refreshes, request ? 1 : 2);
        EXPECT_EQ(run->isEnabled(), request);
        target.on = false;
    }
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide"));

    // A checkable item takes its mark from the route, not from the click.
    toggle->trigger();
    EXPECT_FALSE(target.checked);
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(toggle->isChecked());
}

} // namespace
