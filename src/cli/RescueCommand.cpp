// qbk rescue: what can still be read of a damaged journal, written to a new one.
#include "cli/CliFailure.h"
#include "cli/CliText.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EntryListing.h"

#include "core/export/JournalRescue.h"
#include "core/export/RescueReport.h"
#include "core/session/CQBKDoc.h"

#include <QFile>
#include <QtGlobal>

const char* rescueHelp() {
    return QT_TRANSLATE_NOOP(
        "qbk", "Usage: qbk rescue FILE OUT [--force]\n"
               "\n"
               "Writes every row of a damaged journal that can still be read to a new journal\n"
               "OUT, table by table, skipping the pages that cannot be read, and prints what\n"
               "was saved and what was lost (with the ids of the entries lost where they can\n"
               "be read). FILE is only read, never written. OUT appears only when complete;\n"
               "an existing OUT is kept unless --force is given, and OUT is never FILE.\n"
               "No password is needed: the rows stay enciphered.\n"
               "  --force           replace OUT if it exists\n"
               "Exit status: 0 nothing was lost, 3 some rows were lost, 2 nothing was written.\n");
}

int runRescue(const CommandLine& line) {
    const QStringList operands = operandsOf(line, 2, "FILE and OUT");
    const std::string label = operands[0].toUtf8().toStdString();
    const std::string source = QFile::encodeName(operands[0]).toStdString();
    if (!CQBKDoc::JournalFileExists(source))
        throw journalError(label, cliText(QT_TRANSLATE_NOOP("qbk", "the file does not exist")));
    const RescueResult result = RescueJournal(source, QFile::encodeName(operands[1]).toStdString(),
                                              line.isSet(QStringLiteral("force")));
    if (!result.ok)
        throw journalError(label, result.message.toUtf8().toStdString());
    writeOut((RescueReport(result) + QLatin1Char('\n')).toUtf8().toStdString());
    return result.lostAny() ? ExitProblems : ExitSuccess;
}
