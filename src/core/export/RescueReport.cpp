#include "core/export/RescueReport.h"

#include "core/export/JournalRescue.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RescueReport)
};

QString tableWords(const std::string& name) {
    if (name == "Config")
        return Texts::tr("Settings");
    if (name == "Folder")
        return Texts::tr("Folders");
    if (name == "Entry")
        return Texts::tr("Entries");
    if (name == "Topic")
        return Texts::tr("Topics");
    if (name == "Entry2Topic")
        return Texts::tr("Topic links");
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
        return Texts::tr("Nothing was rescued: %1").arg(result.message);
    return Texts::tr("What could be read is saved in %1.").arg(target) + QStringLiteral("\n\n") +
           RescueReport(result);
}

QString RescueReport(const RescueResult& result) {
    if (!result.ok)
        return result.message;
    QStringList lines;
    for (const RescuedTable& table : result.tables) {
        QString line = Texts::tr("%1: %2 saved").arg(tableWords(table.name)).arg(table.saved);
        if (table.lost > 0)
            line += Texts::tr(", %1 lost").arg(table.lost);
        if (table.skipped > 0)
            line += Texts::tr(", up to %1 lost with damaged pages").arg(table.skipped);
        if (table.restUnreadable)
            line += Texts::tr(", and the rest could not be read (how many is not known)");
        lines << line;
    }
    if (!result.lostEntries.empty())
        lines << Texts::tr("Entries lost: %1").arg(idList(result.lostEntries));
    if (!result.linkedEntriesMissing.empty())
        lines << Texts::tr("Entries that topic links name but that were not saved (lost with the "
                           "damaged pages, or deleted earlier): %1")
                     .arg(idList(result.linkedEntriesMissing));
    if (result.linksDropped > 0)
        lines << Texts::tr("Topic links dropped, as their topics were lost: %1")
                     .arg(result.linksDropped);
    if (result.refiled > 0)
        lines << Texts::tr("Folders and entries moved to the top, as their folders were lost: %1")
                     .arg(result.refiled);
    if (!result.settingsSaved)
        lines << Texts::tr(
            "The settings row could not be read, so the rescued file cannot be opened "
            "as a journal.");
    lines << (result.lostAny() ? Texts::tr("Everything else that could be read was saved.")
                               : Texts::tr("Nothing was lost."));
    return lines.join(QLatin1Char('\n'));
}
