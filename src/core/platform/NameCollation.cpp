#include "core/platform/NameCollation.h"

#include <QCollator>

int CompareNames(const QString& a, const QString& b) {
    // A collator is costly to make and not safe to share between threads; one per thread,
    // made again when the default locale changes.
    thread_local QCollator collator;
    thread_local bool ready = false;
    if (!ready || collator.locale() != QLocale()) {
        collator = QCollator(QLocale());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        ready = true;
    }
    return collator.compare(a, b);
}
