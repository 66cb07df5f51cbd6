#pragma once

#include <QString>
#include <string>

class JournalSession;

// Folders, topics and entries as the command line names them. Folder and topic names need not
// be unique, so a name that several share is refused and the id (in braces, as the listings
// print it) is accepted instead. Each throws a journal error naming what was not found.

std::string folderIdNamed(JournalSession& session, const QString& nameOrId);
std::string topicIdNamed(JournalSession& session, const QString& nameOrId);

// An entry by its id, or by the start of it when only one entry's id starts so (braces and
// letter case may be left out).
std::string entryIdGiven(JournalSession& session, const QString& idOrPrefix);
