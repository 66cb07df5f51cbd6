#include "core/store/JournalMessages.h"

#include "core/store/CppSQLite3Exception.h"
#include "core/store/JournalAccess.h"

#include <QCoreApplication>

#include <filesystem>

namespace JournalMessages {

namespace {

constexpr std::size_t kMaxNameBytes = 255;  // NAME_MAX of Linux file systems
constexpr std::size_t kMaxPathBytes = 4095; // PATH_MAX less its terminator

bool nameTooLong(const std::filesystem::path& path) {
    if (path.native().size() > kMaxPathBytes)
        return true;
    for (const std::filesystem::path& part : path)
        if (part.native().size() > kMaxNameBytes)
            return true;
    return false;
}

bool writable(const std::filesystem::path& path) {
    return JournalAccess::WritableAsUser(path.string());
}

// Read-only file, unwritable folder, too long a name: what the file system says about path.
const char* fileSystemCause(const std::string& path, const char* otherwise) {
    if (path.empty())
        return otherwise;
    const std::filesystem::path file(path);
    if (nameTooLong(file))
        return kFailNameTooLong;
    std::error_code ignored;
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const bool exists = std::filesystem::exists(file, ignored);
    if (exists && !writable(file))
        return kFailReadOnlyFile;
    if (!std::filesystem::is_directory(folder, ignored))
        return kFailFolderMissing;
    if (!writable(folder))
        return kFailFolderNotWritable;
    return otherwise;
}

const char* failureCause(int code, const std::string& path) {
    // The database layer's own failures are values it cannot read (one that does not decode).
    if (code == CppSQLite3Exception::kLayerError)
        return kFailDamagedValue;
    switch (code & 0xFF) { // the primary result code
    case 5:                // SQLITE_BUSY
    case 6:                // SQLITE_LOCKED
        return kFailBusy;
    case 7: // SQLITE_NOMEM
        return kFailNoMemory;
    case 8: // SQLITE_READONLY: the connection could open the file for reading only
        return fileSystemCause(path, kFailReadOnlyFile);
    case 10: // SQLITE_IOERR
        return fileSystemCause(path, kFailDiskError);
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return kFailDamaged;
    case 13: // SQLITE_FULL
        return kFailDiskFull;
    case 14: // SQLITE_CANTOPEN
        return fileSystemCause(path, kFailCannotOpen);
    default:
        return kFailOther;
    }
}

} // namespace

std::string Text(const char* message) {
    return QCoreApplication::translate("JournalMessages", message).toStdString();
}

std::string DatabaseFailure(int code, const std::string& path) {
    return Text(failureCause(code, path));
}

std::string OpenedReadOnly(JournalAccess::ReadOnlyCause cause) {
    switch (cause) {
    case JournalAccess::ReadOnlyCause::None:
        return {};
    case JournalAccess::ReadOnlyCause::Folder:
        return Text(kReadOnlyFolder) + Text(kOpenForReadingOnly);
    case JournalAccess::ReadOnlyCause::Disk:
        return Text(kReadOnlyDisk) + Text(kOpenForReadingOnly);
    case JournalAccess::ReadOnlyCause::File:
        break;
    }
    return Text(kReadOnlyFile) + Text(kOpenForReadingOnly);
}

} // namespace JournalMessages
