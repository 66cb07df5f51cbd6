#include "core/session/JournalFileMessages.h"

#include "core/platform/TextEncoding.h"

#include <QCoreApplication>
#include <QFile>

namespace JournalFileMessages {

namespace {

QString fileName(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

} // namespace

std::string WhatHappened(JournalFileIdentity::Fate fate) {
    switch (fate) {
    case JournalFileIdentity::Fate::Same:
        break;
    case JournalFileIdentity::Fate::Deleted:
        return textToStored(QCoreApplication::translate(
            "JournalFileMessages", "The journal file was deleted while it was open."));
    case JournalFileIdentity::Fate::Moved:
        return textToStored(QCoreApplication::translate(
            "JournalFileMessages", "The journal file was moved or renamed while it was open."));
    case JournalFileIdentity::Fate::Replaced:
        return textToStored(QCoreApplication::translate(
            "JournalFileMessages", "The journal file was replaced by another file while it was "
                                   "open."));
    }
    return {};
}

std::string OfferSaveAs(JournalFileIdentity::Fate fate) {
    return WhatHappened(fate) +
           textToStored(QCoreApplication::translate(
               "JournalFileMessages",
               "\nNothing more can be saved to it, but everything in the journal "
               "is still open here.\n\nSave the journal as... a file you choose, "
               "and go on working there?"));
}

std::string ChangeNotSaved(JournalFileIdentity::Fate fate) {
    return WhatHappened(fate) + textToStored(QCoreApplication::translate(
                                    "JournalFileMessages", "\nThe change was not saved."));
}

std::string OfferContinueAt(const std::string& newPath) {
    return textToStored(QCoreApplication::translate(
                            "JournalFileMessages",
                            "The journal file was moved or renamed to %1 while it was open.\n\n"
                            "Go on working with it there?")
                            .arg(fileName(newPath)));
}

std::string TargetExists(const std::string& path) {
    return textToStored(QCoreApplication::translate(
                            "JournalFileMessages",
                            "%1 exists already. A journal is saved as a new file only: choose "
                            "another name.")
                            .arg(fileName(path)));
}

std::string SaveAsFailed(const std::string& path, const std::string& reason) {
    return textToStored(QCoreApplication::translate("JournalFileMessages",
                                                    "The journal could not be saved as %1.\n%2")
                            .arg(fileName(path), QString::fromStdString(reason)));
}

std::string ChooseFolderForEntry() {
    return textToStored(QCoreApplication::translate(
        "JournalFileMessages", "The folder this entry was to be filed in is no longer in the "
                               "journal: another program has deleted it.\nChoose the folder to "
                               "file the entry in."));
}

} // namespace JournalFileMessages
