#include "support/AccessibilityWalk.h"

#include "support/GuiTest.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QTest>

namespace {

using Role = QAccessible::Role;

constexpr Role kInteractive[] = {
    QAccessible::PushButton,    QAccessible::CheckBox, QAccessible::RadioButton,
    QAccessible::EditableText,  QAccessible::ComboBox, QAccessible::List,
    QAccessible::Tree,          QAccessible::Table,    QAccessible::SpinBox,
    QAccessible::Slider,        QAccessible::PageTab,  QAccessible::ButtonMenu,
    QAccessible::ButtonDropDown};

// Shown, or on a page of a stack (a tab) the user can bring up; not a control the program
// keeps hidden until it applies.
bool reachable(const QWidget* widget, const QWidget* root) {
    for (const QWidget* at = widget; at && at != root; at = at->parentWidget()) {
        if (at->isHidden() && !qobject_cast<const QStackedWidget*>(at->parentWidget()))
            return false;
    }
    return true;
}

QString describe(const QObject* object) {
    return object ? QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
                        object->objectName()
                  : QString();
}

void walk(QAccessibleInterface* element, const QWidget* root, QSet<QAccessibleInterface*>& seen,
          QStringList& out) {
    if (!element || !element->isValid() || seen.contains(element))
        return;
    seen.insert(element);
    const auto* widget = qobject_cast<const QWidget*>(element->object());
    if (widget && !reachable(widget, root))
        return;
    const Role role = element->role();
    const QString name = element->text(QAccessible::Name).trimmed();
    // On Linux a label (buddy) names a control through the labelled-by relation, and a list
    // box's name is always the item it shows.
    const auto labels = element->relations(QAccessible::Label);
    const bool labelled = std::any_of(labels.begin(), labels.end(), [](const auto& relation) {
        return !relation.first->text(QAccessible::Name).trimmed().isEmpty();
    });
    if (std::find(std::begin(kInteractive), std::end(kInteractive), role) !=
            std::end(kInteractive) &&
        !labelled &&
        (name.isEmpty() ||
         (role == QAccessible::ComboBox && name == element->text(QAccessible::Value))))
        out.append(QString::fromLatin1(QMetaEnum::fromType<Role>().valueToKey(role)) +
                   QLatin1Char(' ') + describe(element->object()));
    // Items of lists and combo boxes are named by their texts.
    if (role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table ||
        role == QAccessible::ComboBox)
        return;
    for (int i = 0; i < element->childCount(); ++i)
        walk(element->child(i), root, seen, out);
}

bool tabFocusable(const QWidget* widget, const QWidget* window) {
    const QWidget* parent = widget->parentWidget();
    return widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
           !(parent && qobject_cast<const QAbstractItemView*>(parent->parentWidget()));
}

// Tab stops at the checked button of an exclusive group; arrows move within it.
bool groupReached(const QWidget* widget, const QSet<QWidget*>& reached) {
    const auto* radio = qobject_cast<const QRadioButton*>(widget);
    if (!radio || !radio->autoExclusive())
        return false;
    const auto group =
        radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return std::any_of(group.begin(), group.end(),
                       [&](QRadioButton* r) { return reached.contains(r); });
}

} // namespace

QStringList unnamedControls(QWidget* root) {
    QSet<QAccessibleInterface*> seen;
    QStringList out;
    walk(QAccessible::queryAccessibleInterface(root), root, seen, out);
    // Pages not shown yet are not in the tree, but a user reaches them.
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isWindow())
            walk(QAccessible::queryAccessibleInterface(widget), root, seen, out);
    }
    return out;
}

QStringList missedByTab(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("the window could not be made active")};
    settle();
    QSet<QWidget*> reached;
    QWidget* first = QApplication::focusWidget();
    bool left = false; // a date field takes Tab from section to section first
    const auto widgets = window->findChildren<QWidget*>();
    // Bounded, as a chain that never comes back round must still end the test.
    for (qsizetype presses = 0; first && presses <= 4 * widgets.size() + 100; ++presses) {
        QWidget* now = QApplication::focusWidget();
        if (!now || (left && now == first))
            break;
        left = left || now != first;
        reached.insert(now);
        QTest::keyClick(now, Qt::Key_Tab);
    }
    QStringList missed;
    for (QWidget* widget : widgets) {
        if (tabFocusable(widget, window) && !reached.contains(widget) &&
            !groupReached(widget, reached))
            missed.append(describe(widget));
    }
    return missed;
}
