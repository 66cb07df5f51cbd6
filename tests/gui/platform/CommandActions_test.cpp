// QActions bound to the command route: what triggering does, and when their state follows.
#include "platform/CommandActions.h"
#include "platform/CommandMap.h"
#include "platform/CommandRouter.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>

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

class CommandActionsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_router.setDocument(&m_target);
        m_actions = new CommandActions(m_router, &m_owner);
        m_toggle = m_actions->add(kToggle, QStringLiteral("&Toggle"));
        m_toggle->setCheckable(true);
        m_run = m_actions->add(kRun, QStringLiteral("&Run"), QStringLiteral("actionRun"));
        m_nobody = m_actions->add(kNobody, QStringLiteral("Copy"));
    }

    QObject m_owner;
    Switchboard m_target;
    CommandRouter m_router;
    CommandActions* m_actions = nullptr;
    QAction* m_toggle = nullptr;
    QAction* m_run = nullptr;
    QAction* m_nobody = nullptr;
};

TEST_F(CommandActionsTest, StateFollowsTheRouteWhenAMenuOpensAndWhenIdle) {
    m_actions->refresh();
    EXPECT_FALSE(m_run->isEnabled());
    EXPECT_FALSE(m_nobody->isEnabled());
    EXPECT_TRUE(m_toggle->isEnabled());
    EXPECT_EQ(m_toggle->text(), QStringLiteral("Show"));

    m_target.on = true;
    QMenu menu;
    m_actions->watch(&menu);
    emit menu.aboutToShow();
    EXPECT_TRUE(m_run->isEnabled());

    m_target.on = false;
    m_target.checked = true;
    // The event loop going idle refreshes as well.
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(m_run->isEnabled());
    EXPECT_TRUE(m_toggle->isChecked());
    EXPECT_EQ(m_toggle->text(), QStringLiteral("Hide"));
}

TEST_F(CommandActionsTest, TriggeringRunsTheCommandOnlyWhileTheRouteEnablesIt) {
    m_target.on = true;
    m_actions->refresh();
    m_run->trigger();
    EXPECT_EQ(m_target.runs, 1);
    // Disabled on the route since the last refresh: the command is dropped.
    m_target.on = false;
    m_run->setEnabled(true);
    m_run->trigger();
    EXPECT_EQ(m_target.runs, 1);
    EXPECT_FALSE(m_run->isEnabled());

    // A checkable item takes its mark from the route, not from the click.
    m_toggle->trigger();
    EXPECT_TRUE(m_target.checked);
    EXPECT_TRUE(m_toggle->isChecked());
    m_toggle->trigger();
    EXPECT_FALSE(m_toggle->isChecked());
}

} // namespace
