#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

class QAction;
class QObject;
class QWidget;

// Readable failure output for texts and lists of texts.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);

// Makes the one QApplication of the test program if no test has made it yet. Entry lists are
// then filled before the call that lists returns (EntryListFill::SetWait).
void ensureApplication();

// Acts on the modal dialogs the code under test opens, in order. A dialog that turns up with
// no handler left fails the test and is closed, so a test never hangs on it.
class ModalDriver {
public:
    using Handler = std::function<void(QWidget*)>;

    // Starts watching (once the application exists).
    void start();
    void then(Handler handler) { m_handlers.push_back(std::move(handler)); }
    std::size_t pending() const { return m_handlers.size(); }
    std::size_t handled() const { return m_handled; }
    // A modal dialog the test shows itself, to look at rather than to answer.
    void shownByTest(QWidget* dialog) { m_last = dialog; }

private:
    void poll();

    std::deque<Handler> m_handlers;
    QTimer m_timer;
    QWidget* m_last = nullptr;
    std::size_t m_handled = 0;
};

// Base of the GUI tests: an application, settings in a temporary folder (never the user's),
// and a driver for modal dialogs.
class GuiTest : public testing::Test {
protected:
    // Before any member of a derived fixture is made, as those may be widgets.
    GuiTest() { ensureApplication(); }

    void SetUp() override;
    void TearDown() override;

    // The action with the name among the root's descendants, after its state was refreshed;
    // the test fails when there is none.
    static QAction* action(const QObject* root, const QString& name);
    static bool enabled(const QObject* root, const QString& name);
    // Triggers the action as a user would: only if it is enabled (else the test fails).
    static void trigger(const QObject* root, const QString& name);

    QTemporaryDir m_settingsDir;
    ModalDriver m_modals;
};

// Writes a small file for a test; false when it could not be written.
bool writeFile(const QString& path, const QByteArray& bytes);

// Lets pending layout and paint events run, as they would before a user's next click.
void settle();
// Lets events run until every BackgroundWork has ended and told its end (a failed test after
// 10 s).
void waitForBackgroundWork();

// The text of a message box and a click on one of its buttons (by its text, "&" removed).
QString messageText(QWidget* box);
void clickButton(QWidget* dialog, const QString& text);
// Types into the control with the id (a QLineEdit).
void typeInto(QWidget* dialog, int controlId, const QString& text);
