#pragma once

#include <QString>
#include <cstdint>

// Every text the import shows, translated, and the limits they name.
namespace ImportMessages {

// A file larger than this is not read: no journal entry is that long, and reading it whole
// would take the memory of the program.
inline constexpr std::int64_t kMaxFileBytes = 8 * 1024 * 1024;
// Folders deeper than this below the source are not entered (a link loop, or a hostile tree).
inline constexpr int kMaxFolderDepth = 24;

QString tooLarge();
QString binaryFile();
QString cannotRead(const QString& why);
QString brokenYaml(const QString& why);
QString frontMatterNotYaml(const QString& why);
QString frontMatterNotMapping();
QString notMonthMapping();
QString badDay(const QString& day);
QString tooDeep();
QString badDate(const QString& value);
QString alreadyThere();
QString noSource();
QString noEntries();
QString pictureMissing(const QString& path);
QString summary(std::size_t imported, std::size_t skipped, std::size_t unreadable);
QString cancelled();
QString unreadableValue(const QString& why);
QString entryNamed(const QString& id);
QString failed(const QString& why);
QString confirm();
QString sameJournal();
QString title();
QString reading();
QString writing();

} // namespace ImportMessages
