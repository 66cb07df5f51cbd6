#include "core/platform/ProgramInfo.h"

#include <QCoreApplication>

std::string versionLine(const char* programName) {
    return std::string(programName) + " " + kProgramVersion + "\n";
}

std::string quillbookUsage() {
    return QCoreApplication::translate(
               "quillbook",
               "Usage: quillbook [OPTIONS] [JOURNAL.qbk]\n"
               "\n"
               "Quillbook is a desktop journal. It opens the journal named, or offers the Welcome\n"
               "dialog (new journal, open a journal, open the last journal).\n"
               "\n"
               "If Quillbook is already running for this user and display, the journal is handed\n"
               "to that program, which opens it (closing its current journal first) and comes to\n"
               "the front; without a journal the running program just comes to the front.\n"
               "\n"
               "Options:\n"
               "  --nosplash            start without the start-up picture and its pauses\n"
               "  --make-sample FILE    write a sample journal to FILE (never replacing a file)\n"
               "                        and stop; needs no display\n"
               "  -h, --help            show this help and stop\n"
               "  -v, --version         show the version and stop\n"
               "\n"
               "Files:\n"
               "  ~/.config/Orrinvale/Quillbook.conf   settings and the recent journals\n"
               "\n"
               "Options it does not know are reported on standard error and ignored.\n"
               "\n"
               "Exit status: 0 when the program ends normally or has handed its journal over to\n"
               "the running one, 1 when the journal named cannot be read, 2 when --make-sample\n"
               "has no file.\n")
        .toStdString();
}
