#include "gui/platform/MessageBoxes.h"

#include "core/platform/TextEncoding.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/ThemeIcons.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace {

QMessageBox::StandardButton standardButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The desktop theme's image for the kind of message, or our own.
QIcon themedIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return {};
    case MessageIcon::Exclamation:
        return ThemeIcons::warning();
    case MessageIcon::Question:
        return ThemeIcons::question();
    case MessageIcon::Information:
        return ThemeIcons::information();
    case MessageIcon::Stop:
        return ThemeIcons::error();
    }
    return {};
}

QMessageBox::Icon standardIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer showMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    QMessageBox box(standardIcon(request.icon), QStringLiteral("Quillbook"),
                    storedToText(request.text), standardButtons(request.buttons), parent);
    box.setObjectName(QStringLiteral("messageBox"));
    if (const QIcon icon = themedIcon(request.icon); !icon.isNull()) {
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        box.setIconPixmap(icon.pixmap(size, size));
    }
    // Names in the text are the user's own: never markup.
    box.setTextFormat(Qt::PlainText);
    if (!request.detail.empty())
        box.setDetailedText(storedToText(request.detail));
    const MessageAnswer fallback = offers(request.buttons, request.defaultAnswer)
                                       ? request.defaultAnswer
                                       : escapeAnswer(request.buttons);
    box.setDefaultButton(standardButton(fallback));
    const MessageAnswer escape = escapeAnswer(request.buttons);
    box.setEscapeButton(box.button(standardButton(escape)));
    const int pressed = box.exec();
    for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Yes,
                                 MessageAnswer::No, MessageAnswer::Retry}) {
        if (pressed == standardButton(answer) && offers(request.buttons, answer))
            return answer;
    }
    return escape;
}

void showProblem(QWidget* dialog, const DialogProblem& problem) {
    showMessageBox(dialog, MessageBoxRequest{problem.message, MessageButtons::Ok, problem.icon,
                                             MessageAnswer::Ok});
    if (problem.clearPasswords) {
        const auto edits = dialog->findChildren<QLineEdit*>();
        for (QLineEdit* edit : edits) {
            if (edit->echoMode() == QLineEdit::Password)
                edit->clear();
        }
    }
    if (QWidget* control = findControl(dialog, problem.focusControlId)) {
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
    }
}
