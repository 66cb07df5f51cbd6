#include "cli/Commands.h"
#include "core/store/SqlDatabase.h"

#include <QCoreApplication>

#include <string>

namespace {

const OptionDef kTsv{QStringLiteral("tsv")};
const OptionDef kPasswordStdin{QStringLiteral("password-stdin")};

constexpr const char* kEntryLines = QT_TRANSLATE_NOOP(
    "qbk", "Each entry is one line: id, date and time as the journal shows them, folder\n"
           "(\"(None)\" for entries at the top), description as the entry list shows it\n"
           "(empty for a description taken from the text, unless the journal shows first\n"
           "lines), and topics joined by \", \". Entries are in order of date. With --tsv\n"
           "the five values are separated by one tab each, the date is ISO 8601\n"
           "(2024-03-15T09:30:00, empty when the stored one does not parse) and the topics\n"
           "are separated by the unit separator (U+001F), which no name holds.\n");

// Entries that cannot be read, for the commands that read many.
constexpr const char* kSkipNote = QT_TRANSLATE_NOOP(
    "qbk", "An entry that cannot be read (a damaged value) is skipped with a warning naming\n"
           "it on standard error, and the exit status is 3; so are topics that cannot be read.\n");

constexpr const char* kPasswordNote = QT_TRANSLATE_NOOP(
    "qbk", "A protected journal asks for its password on the terminal, without echo.\n"
           "  --password-stdin  read the password from the first line of standard input\n");

constexpr const char* kListUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk list FILE [--folder NAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
           "                [--topic NAME]... [--all-topics] [--tsv] [--password-stdin]\n"
           "\n"
           "Lists the journal's entries, all of them or those filed in one folder (not its\n"
           "subfolders), narrowed to a range of days and to the entries that carry at least\n"
           "one of the topics given (all of them with --all-topics). No text is needed: to\n"
           "find entries by their words, use qbk search. A topic the journal does not hold,\n"
           "or a --from day after the --to day, is a usage mistake (exit status 1).\n"
           "  --folder NAME     only entries filed in this folder (a name, or an id in braces)\n"
           "  --from DAY        only entries from this day on\n"
           "  --to DAY          only entries up to the end of this day\n"
           "  --topic NAME      only entries carrying this topic; may be repeated\n"
           "  --all-topics      entries must carry all the topics given, not just one\n"
           "  --tsv             tab-separated output\n");
constexpr const char* kSearchUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk search FILE TEXT [--case] [--word] [--text | --comments]\n"
           "                  [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--topic NAME]...\n"
           "                  [--all-topics] [--tsv] [--password-stdin]\n"
           "\n"
           "Finds the entries whose text or comment holds TEXT, as the Search dialog does,\n"
           "and lists them. Like the dialog, it marks the hits in the journal file\n"
           "(bringing a journal of an older revision up to date), unless --no-marks.\n"
           "  --case            letter case must match\n"
           "  --word            whole words only\n"
           "  --text            look in the entry text only\n"
           "  --comments        look in the comments only (both when neither is given)\n"
           "  --from DAY        only entries from this day on\n"
           "  --to DAY          only entries up to the end of this day\n"
           "  --topic NAME      only entries carrying this topic; may be repeated\n"
           "  --all-topics      entries must carry all the topics given, not just one\n"
           "  --no-marks        leave the journal file as it is: mark nothing\n"
           "  --tsv             tab-separated output\n");
constexpr const char* kInfoUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk info FILE [--tsv] [--password-stdin]\n"
           "\n"
           "Shows the journal's title, owner, file revision, whether a password protects\n"
           "it, and how many folders, topics and entries it holds. With --tsv each line\n"
           "is a lower-case name, a tab and the value.\n");
constexpr const char* kFoldersUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk folders FILE [--tsv] [--password-stdin]\n"
           "\n"
           "Lists the journal's folders as the folder tree shows them, one a line: id,\n"
           "name, path (the names from the top down, joined by \"/\") and the number of\n"
           "entries filed in it. Give the id in braces where two folders share a name.\n"
           "  --tsv             tab-separated output; the path's names are separated by\n"
           "                    the unit separator (U+001F), which no name holds\n");
constexpr const char* kStatsUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk stats FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--tsv]\n"
           "                 [--password-stdin]\n"
           "\n"
           "Counts the journal's entries, and the words and characters of their text as\n"
           "the entry editor counts them, in all, per year and per month; the days with\n"
           "entries, the longest run of such days (a streak), the run up to today, and\n"
           "the weekday with the most entries.\n"
           "  --from DAY        only entries from this day on\n"
           "  --to DAY          only entries up to the end of this day\n"
           "  --tsv             tab-separated output: each line a lower-case name and its\n"
           "                    value; \"year\" and \"month\" lines give the period and its\n"
           "                    entries, words and characters\n");
constexpr const char* kTopicsUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk topics FILE [--tsv] [--password-stdin]\n"
           "\n"
           "Lists the journal's topics, one a line: id, name and the number of entries\n"
           "that carry it. Give the id in braces where two topics share a name.\n"
           "  --tsv             tab-separated output\n");
constexpr const char* kShowUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk show FILE ENTRY-ID [--rtf] [--password-stdin]\n"
           "\n"
           "Prints an entry's text as plain text, one line per paragraph. ENTRY-ID is the\n"
           "id a listing prints, or the start of it when no other entry's id starts so.\n"
           "  --rtf             print the entry as stored: its RTF\n");
constexpr const char* kCreateUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk create FILE --title TITLE [--owner OWNER] [--password-stdin | --protect]\n"
           "\n"
           "Creates a new, empty journal. FILE must not exist yet. The journal shows dates\n"
           "like \"Monday, March 2 2026 09:05 AM\" and asks for a comment on new entries.\n"
           "  --title TITLE     the journal's title (1 to 100 characters)\n"
           "  --owner OWNER     the owner's name (up to 30 characters)\n"
           "  --password-stdin  protect it with the password on the first line of standard input\n"
           "  --protect         protect it with a password typed twice on the terminal\n");
constexpr const char* kAddUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk add FILE [--folder NAME] [--comment COMMENT] [--allow-empty]\n"
           "               [--password-stdin] < TEXT\n"
           "\n"
           "Adds a new entry with the text on standard input and prints its id. Text that\n"
           "starts with {\\rtf is stored as the RTF it is, and refused when it is cut short\n"
           "(a group left open or closed twice); anything else is UTF-8 plain text, one\n"
           "paragraph per line, in the journal's default font. The entry is dated now.\n"
           "Typed on a terminal, the text ends with Ctrl-D at the start of a line.\n"
           "  --folder NAME     file it in this folder (a name, or an id in braces);\n"
           "                    at the top of the journal when not given\n"
           "  --comment TEXT    its comment (up to 100 characters); without it the entry is\n"
           "                    described by the start of its text\n"
           "  --allow-empty     store an entry without text (refused otherwise)\n");
constexpr const char* kPrintUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk print FILE --pdf OUT.pdf [--entry ID | --folder NAME]\n"
           "                 [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--no-header]\n"
           "                 [--continuous] [--page-numbers] [--comments]\n"
           "                 [--force] [--password-stdin]\n"
           "\n"
           "Prints entries to a PDF file as Quillbook prints them on paper: each entry on\n"
           "pages of its own (or one after another with --continuous), in order of date, inside "
           "margins of 1.25 inches left and right\n"
           "and 1 inch top and bottom, under its date and time. Without --entry or --folder\n"
           "every entry is printed. An existing OUT.pdf is replaced only with --force and\n"
           "only when printing succeeded; the journal itself is never written.\n"
           "  --pdf OUT.pdf     the file to write\n"
           "  --force           replace OUT.pdf if it exists\n"
           "  --entry ID        only this entry (its id, or the start of it)\n"
           "  --folder NAME     only entries filed in this folder (a name, or an id in braces)\n"
           "  --from DAY        only entries from this day on\n"
           "  --to DAY          only entries up to the end of this day\n"
           "  --no-header       leave out the date and time above each entry\n"
           "  --continuous      print each entry after the one before, not from a new page\n"
           "  --page-numbers    \"Page N of M\" and the journal's title at the foot of each page\n"
           "  --comments        print each entry's comment under its date\n");
constexpr const char* kExportUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk export FILE --format html|md|txt|odt|pdf --out PATH\n"
           "                  [--entry ID | --folder NAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
           "                  [--topic NAME]... [--split] [--embed] [--force] [--password-stdin]\n"
           "\n"
           "Writes the chosen entries, in order of date, into one document: each under its\n"
           "date and time, with its folder, topics and comment. The journal is not changed.\n"
           "HTML keeps fonts, sizes, colours, lists and pictures (embedded: the file stands\n"
           "alone). Markdown keeps bold, italic, strike-through, lists, line breaks and\n"
           "pictures; the pictures are files beside it (in OUT_files/ for OUT.md; with\n"
           "--split, beside each entry's file), linked by relative path. Plain text keeps\n"
           "the words and the lists' bullets and numbers. ODT puts the title under Heading\n"
           "1 and each date under Heading 2 and keeps the entries' fonts; PDF is laid out\n"
           "as qbk print prints, each entry from a new page under its date and time.\n"
           "  --format F        html, md, txt, odt or pdf\n"
           "  --out PATH        the file to write; with --split, the folder\n"
           "  --entry ID        only this entry (its id, or the start of it)\n"
           "  --folder NAME     only entries filed in this folder (not its subfolders)\n"
           "  --from DAY        only entries from this day on\n"
           "  --to DAY          only entries up to the end of this day\n"
           "  --topic NAME      only entries carrying this topic; may be repeated\n"
           "  --split           one file per entry, named by its date and time; a folder\n"
           "                    that does not exist appears only when all are written\n"
           "  --embed           Markdown: pictures inside the file as data: URLs, no files\n"
           "  --force           replace files that exist\n");
constexpr const char* kBackupUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk backup FILE OUT [--force]\n"
           "\n"
           "Copies the journal to OUT with SQLite's online backup, so the copy is whole\n"
           "and consistent even while Quillbook has the journal open and is saving. OUT\n"
           "appears only when the copy is complete and checked. An existing OUT is kept\n"
           "unless --force is given. No password is needed: the copy stays enciphered.\n"
           "  --force           replace OUT if it exists\n");
constexpr const char* kCheckUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk check FILE [--password-stdin]\n"
           "\n"
           "Looks the journal over and prints one line for each problem: the database's\n"
           "integrity check, ids used twice or missing, values that do not decode or\n"
           "decipher, entry texts whose RTF is cut short or would change when saved,\n"
           "time stamps that do not parse, entries in missing folders, topic links to\n"
           "missing topics, folders whose parents are missing or form a cycle. Topic\n"
           "links left by deleted entries are harmless: one note line counts them.\n"
           "It only reads; it repairs nothing.\n"
           "Exit status: 0 no problem, 3 problems found, 2 the journal could not be read.\n");
constexpr const char* kImportUsage = QT_TRANSLATE_NOOP(
    "qbk", "Usage: qbk import JOURNAL --from FORMAT SOURCE [--folder NAME] [--topics-from-tags]\n"
           "                  [--dry-run] [--password-stdin]\n"
           "\n"
           "Imports entries into the journal, all in one step: a failure or an interruption\n"
           "leaves the journal as it was. FORMAT is one of:\n"
           "  rednotebook  a RedNotebook data folder (YYYY-MM.txt month files): one entry a\n"
           "               day, at noon, its markup as formatting, its categories as a list\n"
           "  markdown     a folder of .md and .txt files, one entry each, dated by the front\n"
           "               matter's date:, a date in the file name or the file's time;\n"
           "               sub-folders become folders. Reads what qbk export --split writes.\n"
           "               Markdown tables stay text.\n"
           "  quillbook    another journal: entries keep their ids, dates, comments, folders\n"
           "               and topics; an entry already in the journal is skipped\n"
           "  --folder NAME       import below this folder (a name, or an id in braces)\n"
           "  --topics-from-tags  tags, categories and #hashtags become topics\n"
           "  --dry-run           only tell how many entries would come, and from when\n"
           "Files larger than 8 MB, binary files, broken YAML and folders nested deeper than\n"
           "24 levels are each named on standard error and left out; the exit status is\n"
           "then 3. With --password-stdin the first line is the journal's password and the\n"
           "second the other journal's (empty lines for journals without one).\n");
} // namespace

const std::vector<CommandDef>& commandTable() {
    static const std::vector<CommandDef> table = {
        {"info",
         QT_TRANSLATE_NOOP("qbk", "show a journal's title, owner, revision, protection and counts"),
         {kInfoUsage, kPasswordNote},
         {kTsv, kPasswordStdin},
         runInfo},
        {"list",
         QT_TRANSLATE_NOOP("qbk", "list entries, by folder, date range and topics"),
         {kListUsage, kPasswordNote, "\n", kEntryLines, kSkipNote},
         {kTsv,
          kPasswordStdin,
          {QStringLiteral("folder"), true},
          {QStringLiteral("from"), true},
          {QStringLiteral("to"), true},
          {QStringLiteral("topic"), true, true},
          {QStringLiteral("all-topics")}},
         runList},
        {"search",
         QT_TRANSLATE_NOOP("qbk", "find entries by text, date range and topics"),
         {kSearchUsage, kPasswordNote, "\n", kEntryLines, kSkipNote},
         {kTsv,
          kPasswordStdin,
          {QStringLiteral("case")},
          {QStringLiteral("word")},
          {QStringLiteral("text")},
          {QStringLiteral("comments")},
          {QStringLiteral("from"), true},
          {QStringLiteral("to"), true},
          {QStringLiteral("topic"), true, true},
          {QStringLiteral("all-topics")},
          {QStringLiteral("no-marks")}},
         runSearch},
        {"folders",
         QT_TRANSLATE_NOOP("qbk", "list folders with their ids, paths and entry counts"),
         {kFoldersUsage, kPasswordNote},
         {kTsv, kPasswordStdin},
         runFolders},
        {"topics",
         QT_TRANSLATE_NOOP("qbk", "list topics with their ids and entry counts"),
         {kTopicsUsage, kPasswordNote},
         {kTsv, kPasswordStdin},
         runTopics},
        {"stats",
         QT_TRANSLATE_NOOP("qbk", "count entries, words and streaks of days written"),
         {kStatsUsage, kPasswordNote},
         {kTsv, kPasswordStdin, {QStringLiteral("from"), true}, {QStringLiteral("to"), true}},
         runStats},
        {"show",
         QT_TRANSLATE_NOOP("qbk", "print an entry's text"),
         {kShowUsage, kPasswordNote},
         {kPasswordStdin, {QStringLiteral("rtf")}},
         runShow},
        {"create",
         QT_TRANSLATE_NOOP("qbk", "create a new journal"),
         {kCreateUsage},
         {kPasswordStdin,
          {QStringLiteral("protect")},
          {QStringLiteral("title"), true},
          {QStringLiteral("owner"), true}},
         runCreate},
        {"add",
         QT_TRANSLATE_NOOP("qbk", "add an entry from standard input"),
         {kAddUsage, kPasswordNote,
          QT_TRANSLATE_NOOP(
              "qbk", "With --password-stdin the entry's text follows the password's line.\n")},
         {kPasswordStdin,
          {QStringLiteral("folder"), true},
          {QStringLiteral("comment"), true},
          {QStringLiteral("allow-empty")}},
         runAdd},
        {"print",
         QT_TRANSLATE_NOOP("qbk", "print entries to a PDF file"),
         {kPrintUsage, kPasswordNote, kSkipNote},
         {kPasswordStdin,
          {QStringLiteral("pdf"), true},
          {QStringLiteral("force")},
          {QStringLiteral("entry"), true},
          {QStringLiteral("folder"), true},
          {QStringLiteral("from"), true},
          {QStringLiteral("to"), true},
          {QStringLiteral("no-header")},
          {QStringLiteral("continuous")},
          {QStringLiteral("page-numbers")},
          {QStringLiteral("comments")}},
         runPrint,
         true},
        {"export",
         QT_TRANSLATE_NOOP("qbk", "write entries to HTML, Markdown, plain text, ODT or PDF"),
         {kExportUsage, kPasswordNote, kSkipNote},
         {kPasswordStdin,
          {QStringLiteral("format"), true},
          {QStringLiteral("out"), true},
          {QStringLiteral("entry"), true},
          {QStringLiteral("folder"), true},
          {QStringLiteral("from"), true},
          {QStringLiteral("to"), true},
          {QStringLiteral("topic"), true, true},
          {QStringLiteral("split")},
          {QStringLiteral("embed")},
          {QStringLiteral("force")}},
         runExport},
        {"backup",
         QT_TRANSLATE_NOOP("qbk", "copy a journal safely, even while it is open"),
         {kBackupUsage},
         {{QStringLiteral("force")}},
         runBackup},
        {"check",
         QT_TRANSLATE_NOOP("qbk", "look a journal over for damage (it repairs nothing)"),
         {kCheckUsage, kPasswordNote},
         {kPasswordStdin},
         runCheck},
        {"rescue",
         QT_TRANSLATE_NOOP("qbk", "save what can still be read of a damaged journal"),
         {rescueHelp()},
         {{QStringLiteral("force")}},
         runRescue},
        {"import",
         QT_TRANSLATE_NOOP("qbk",
                           "import entries from RedNotebook, Markdown or text files, or a journal"),
         {kImportUsage},
         {kPasswordStdin,
          {QStringLiteral("from"), true},
          {QStringLiteral("folder"), true},
          {QStringLiteral("topics-from-tags")},
          {QStringLiteral("dry-run")}},
         runImport},
    };
    return table;
}

std::string translated(const char* text) {
    return QCoreApplication::translate("qbk", text).toStdString();
}

std::string commandSummary(const CommandDef& command) {
    return translated(command.summary);
}

std::string commandHelp(const CommandDef& command) {
    std::string help;
    for (const char* part : command.help)
        help += translated(part);
    return help;
}

std::string toolHelp() {
    std::string help =
        translated(QT_TRANSLATE_NOOP("qbk", "Usage: qbk COMMAND FILE [ARGUMENTS] [OPTIONS]\n"
                                            "\n"
                                            "Reads and writes Quillbook journals (.qbk files).\n"
                                            "\n"
                                            "Commands:\n"));
    for (const CommandDef& command : commandTable()) {
        std::string name = command.name;
        name.resize(8, ' ');
        help += "  " + name + commandSummary(command) + "\n";
    }
    help += QCoreApplication::translate(
                "qbk",
                "\n"
                "Options may stand before or after the file name; \"--\" ends them.\n"
                "A journal another program holds is waited for up to %1 seconds.\n"
                "\"qbk COMMAND --help\" describes a command; \"qbk --version\" shows the version.\n"
                "\n"
                "The journal is written only by create, add, import and search (its marks); the\n"
                "other commands read it as it is.\n"
                "\n"
                "Exit status: 0 success; 1 a mistake on the command line, or a name, id or\n"
                "date range that matches nothing in the journal or more than one thing;\n"
                "2 a file could not be read or written (the cause is one line on standard\n"
                "error); 3 qbk check found problems, qbk rescue lost rows, or entries or\n"
                "topics that cannot be read were skipped (each named on standard error).\n")
                .arg(SqlDatabase::kDefaultBusyTimeoutMs / 1000)
                .toStdString();
    return help;
}
