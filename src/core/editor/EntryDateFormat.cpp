#include "core/editor/EntryDateFormat.h"

#include <QCoreApplication>

namespace EntryDateFormat {

QString dateLabel() {
    return QCoreApplication::translate("Editor", "&Date:");
}

} // namespace EntryDateFormat
