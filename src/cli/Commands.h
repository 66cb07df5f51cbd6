#pragma once

#include "cli/CommandLine.h"

#include <string>
#include <vector>

// One command of the tool: its options, its help and what it does. run returns the exit
// status or throws CliFailure.
struct CommandDef {
    const char* name;
    const char* summary;           // untranslated; shown through commandSummary()
    std::vector<const char*> help; // untranslated parts, shown one after another by commandHelp()
    std::vector<OptionDef> options;
    int (*run)(const CommandLine& line);
    // Lays out pages with QtGui, which needs a QGuiApplication (see main.cpp).
    bool drawsPages = false;
};

const std::vector<CommandDef>& commandTable();

// The tool's own help: what it is and its commands.
std::string toolHelp();
// A command's texts in the user's language.
std::string commandSummary(const CommandDef& command);
std::string commandHelp(const CommandDef& command);

int runInfo(const CommandLine& line);
int runList(const CommandLine& line);
int runSearch(const CommandLine& line);
int runShow(const CommandLine& line);
int runCreate(const CommandLine& line);
int runAdd(const CommandLine& line);
int runPrint(const CommandLine& line);
int runExport(const CommandLine& line);
int runBackup(const CommandLine& line);
int runCheck(const CommandLine& line);
int runFolders(const CommandLine& line);
int runTopics(const CommandLine& line);
int runRescue(const CommandLine& line);
int runImport(const CommandLine& line);
int runStats(const CommandLine& line);
const char* rescueHelp();

// True when the command line needs Qt's GUI library loaded (a QGuiApplication) to run.
bool commandNeedsGui(const QStringList& arguments);
