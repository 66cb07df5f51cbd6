#pragma once

#include <QVariant>
#include <QWidget>

// Controls that the dialogs and panes refer to by number carry that number as the "controlId"
// property, so code and tests find them without knowing the widget tree.

inline void setControlId(QObject* control, int id) {
    control->setProperty("controlId", id);
}

inline int controlId(const QObject* control) {
    const QVariant value = control->property("controlId");
    return value.isValid() ? value.toInt() : -1;
}

// The first descendant of the given type carrying the id, or nullptr.
template <class T = QWidget> T* findControl(const QObject* root, int id) {
    const auto children = root->findChildren<T*>();
    for (T* child : children) {
        if (controlId(child) == id)
            return child;
    }
    return nullptr;
}
