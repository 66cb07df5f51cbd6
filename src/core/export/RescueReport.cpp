#include "core/export/RescueReport.h"

#include "core/export/JournalRescue.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("RescueReport", text);
}

QString tableWords(const std::string& name) {
    if (name == "Config")
        return tr("Settings");
    if (name == "Folder")
        return tr("Folders");
    if (name == "Entry")
        return tr("Entries");
    if (name == "Topic")
        return tr("Topics");
    if (name == "Entry2Topic")
        return tr("Topic links");
    return QString::fromStdString(name);
}

QString idList(const std::vector<std::string>& ids) {
    QStringList list;
    for (const std::string& id : ids)
        list << QString::fromStdString(id);
    return list.join(QStringLiteral(", "));
}

} // namespace

QString RescueOutcome(const RescueResult& result, const QString& target) {
    if (!result.ok)
        return tr("Nothing was rescued: %1").arg(result.message);
    return tr("What could be read is saved in %1.").arg(target) + QStringLiteral("\n\n") +
           RescueReport(result);
}

QString RescueReport(const RescueResult& result) {
    if (!result.ok)
        return result.message;
    QStringList lines;
    for (const RescuedTable& table : result.tables) {
        QString line = tr("%1: %2 saved").arg(tableWords(table.name)).arg(table.saved);
        if (table.lost > 0)
            line += tr(", %1 lost").arg(table.lost);
        if (table.skipped > 0)
            line += tr(", up to %1 lost with damaged pages").arg(table.skipped);
        if (table.restUnreadable)
            line += tr(", and the rest could not be read (how many is not known)");
        lines << line;
    }
    if (!result.lostEntries.empty())
        lines << tr("Entries lost: %1").arg(idList(result.lostEntries));
    if (!result.linkedEntriesMissing.empty())
        lines << tr("Entries that topic links name but that were not saved (lost with the "
                    "damaged pages, or deleted earlier): %1")
                     .arg(idList(result.linkedEntriesMissing));
    if (result.linksDropped > 0)
        lines << tr("Topic links dropped, as their topics were lost: %1").arg(result.linksDropped);
    if (result.refiled > 0)
        lines << tr("Folders and entries moved to the top, as their folders were lost: %1")
                     .arg(result.refiled);
    if (!result.settingsSaved)
        lines << tr("The settings row could not be read, so the rescued file cannot be opened "
                    "as a journal.");
    lines << (result.lostAny() ? tr("Everything else that could be read was saved.")
                               : tr("Nothing was lost."));
    return lines.join(QLatin1Char('\n'));
}
