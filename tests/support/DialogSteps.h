#pragma once

// Steps the dialog and editor tests take as a user would.
#include "gui/platform/ControlId.h"
#include "support/GuiTest.h"

#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

// Answers the next message box with the button, checking its text.
inline void answerMessage(ModalDriver& modals, const QString& text,
                          const QString& button = QStringLiteral("OK")) {
    modals.then([text, button](QWidget* box) {
        EXPECT_EQ(messageText(box), text);
        clickButton(box, button);
    });
}

// A mouse click at the left edge (a check box's box) of the control, which must be enabled.
inline void clickControl(QWidget* dialog, int id) {
    QWidget* control = findControl(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    ASSERT_TRUE(control->isEnabled()) << id;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

inline void selectText(QTextEdit& edit, int from, int to) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}
