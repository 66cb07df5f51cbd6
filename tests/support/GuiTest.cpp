#include "support/GuiTest.h"

#include "gui/platform/CommandActions.h"
#include "gui/platform/ControlId.h"

#include "gui/browser/EntryListFill.h"
#include "gui/platform/BackgroundWork.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}

void ensureApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "quillbook_gui_tests";
        static char* argv[] = {name, nullptr};
        // Left alive at exit: destroying it after QTest's input devices crashes in Qt.
        new QApplication(argc, argv);
        // Tests act on the entry list right after they ask for it, as a user does once the
        // rows are in: the window waits for every listing (read on its worker all the same).
        EntryListFill::SetWait(60000);
    }
}

void ModalDriver::start() {
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start(10);
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == m_last || !modal->isVisible())
        return;
    m_last = modal;
    // The dialog is handled after this timer's turn, once it is fully shown.
    QTimer::singleShot(0, modal, [this, modal] {
        if (m_handlers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << modal->objectName().toStdString() << ": "
                          << messageText(modal).toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        Handler handler = std::move(m_handlers.front());
        m_handlers.pop_front();
        ++m_handled;
        handler(modal);
        if (m_last == modal && !modal->isVisible())
            m_last = nullptr;
    });
}

void GuiTest::SetUp() {
    m_modals.start();
    ASSERT_TRUE(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Orrinvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbook"));
    QSettings().clear();
    // Recovery copies of what the tests type stay in the test's folder too.
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_settingsDir.path() + QStringLiteral("/state")));
}

void GuiTest::TearDown() {
    EXPECT_EQ(m_modals.pending(), 0u) << "dialogs the test expected did not appear";
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->close();
    QCoreApplication::processEvents();
}

QAction* GuiTest::action(const QObject* root, const QString& name) {
    auto* found = root->findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << "no action " << name.toStdString();
    // Menus refresh their items as they open; the tests open nothing, so they ask for it.
    if (auto* actions = found ? qobject_cast<CommandActions*>(found->parent()) : nullptr)
        actions->refresh();
    return found;
}

bool GuiTest::enabled(const QObject* root, const QString& name) {
    QAction* found = action(root, name);
    return found && found->isEnabled();
}

void GuiTest::trigger(const QObject* root, const QString& name) {
    QAction* found = action(root, name);
    ASSERT_NE(found, nullptr);
    ASSERT_TRUE(found->isEnabled()) << name.toStdString() << " is disabled";
    found->trigger();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void waitForBackgroundWork() {
    QElapsedTimer clock;
    clock.start();
    while (QCoreApplication::instance()->findChild<BackgroundWork*>() != nullptr) {
        ASSERT_LT(clock.elapsed(), 10000) << "background work did not end";
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QString messageText(QWidget* box) {
    if (auto* message = qobject_cast<QMessageBox*>(box))
        return message->text();
    return {};
}

void clickButton(QWidget* dialog, const QString& text) {
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->text().remove(QLatin1Char('&')) == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString() << " in "
                  << dialog->objectName().toStdString();
    if (auto* asDialog = qobject_cast<QDialog*>(dialog))
        asDialog->reject();
}

void typeInto(QWidget* dialog, int id, const QString& text) {
    auto* edit = findControl<QLineEdit>(dialog, id);
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->clear();
    QTest::keyClicks(edit, text);
}
