#include "core/import/ImportMessages.h"

#include <QCoreApplication>

namespace ImportMessages {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Import)
};

} // namespace

QString tooLarge() {
    return Texts::tr("larger than %1 MB: not read").arg(kMaxFileBytes / (1024 * 1024));
}
QString binaryFile() {
    return Texts::tr("not a text file (it holds binary data)");
}
QString cannotRead(const QString& why) {
    return Texts::tr("cannot be read: %1").arg(why);
}
QString brokenYaml(const QString& why) {
    return Texts::tr("is not valid YAML: %1").arg(why);
}
QString frontMatterNotYaml(const QString& why) {
    return Texts::tr("its front matter is not valid YAML: %1").arg(why);
}
QString frontMatterNotMapping() {
    return Texts::tr("its front matter is not a list of names and values");
}
QString notMonthMapping() {
    return Texts::tr("is not a month of days (a mapping of day numbers)");
}
QString badDay(const QString& day) {
    return Texts::tr("day %1 is not a day of this month").arg(day);
}
QString tooDeep() {
    return Texts::tr("folders nested deeper than %1 levels: not entered").arg(kMaxFolderDepth);
}
QString badDate(const QString& value) {
    return Texts::tr("the date \"%1\" is not a date").arg(value);
}
QString alreadyThere() {
    return Texts::tr("already in the journal: skipped");
}
QString noSource() {
    return Texts::tr("the source folder does not exist");
}
QString noEntries() {
    return Texts::tr("nothing to import was found");
}
QString pictureMissing(const QString& path) {
    return Texts::tr("the picture %1 is not there: kept as a link").arg(path);
}
QString summary(std::size_t imported, std::size_t skipped, std::size_t unreadable) {
    return Texts::tr("%1 entries imported, %2 skipped, %3 files could not be read")
        .arg(imported)
        .arg(skipped)
        .arg(unreadable);
}
QString cancelled() {
    return Texts::tr("cancelled: the journal is as it was");
}

QString unreadableValue(const QString& why) {
    return Texts::tr("its text or comment cannot be read: %1").arg(why);
}
QString entryNamed(const QString& id) {
    return Texts::tr("entry %1").arg(id);
}
QString failed(const QString& why) {
    return Texts::tr("the import failed, the journal is as it was: %1").arg(why);
}
QString confirm() {
    return Texts::tr("Import them into this journal?");
}
QString sameJournal() {
    return Texts::tr("A journal cannot be imported into itself.");
}
QString title() {
    return Texts::tr("Import");
}
QString reading() {
    return Texts::tr("Reading entries...");
}
QString writing() {
    return Texts::tr("Importing entries...");
}

} // namespace ImportMessages
