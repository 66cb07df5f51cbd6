#include "gui/dialogs/SecretEdit.h"

#include "core/platform/TextEncoding.h"
#include "core/protect/Secrets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

namespace {

class ClipboardGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)) {
                event->accept();
                return event->type() == QEvent::KeyPress; // eaten, and no shortcut runs
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void keepSecretOffClipboard(QLineEdit* edit) {
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setDragEnabled(false);
    edit->installEventFilter(new ClipboardGuard(edit));
}

std::string takeSecret(QLineEdit* edit) {
    const QString text = edit->text();
    std::string stored = textToStored(text);
    // The text shares its buffer with the field's own: overwrite that buffer in place (data()
    // would detach and wipe a copy), then let the field drop it.
    WipeSecret(const_cast<QChar*>(text.constData()),
               static_cast<std::size_t>(text.size()) * sizeof(QChar));
    edit->clear();
    return stored;
}

void wipeSecretField(QLineEdit* edit) {
    std::string stored = takeSecret(edit);
    WipeSecret(stored);
}
