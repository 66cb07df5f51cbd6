#pragma once

#include <optional>
#include <string>

// Where the passwords of a protected journal come from: one line read from standard input
// (--password-stdin), or a prompt without echo on the controlling terminal. Never from an
// argument, which other users could read from the process list.
class PasswordSource {
public:
    static constexpr int kTerminalTries = 3;

    // The one password given on standard input (its first line, in UTF-8).
    static PasswordSource fromLine(const std::string& utf8Line);
    // Asks on the terminal, at most kTerminalTries times.
    static PasswordSource fromTerminal(std::string prompt);

    // The next password to try, as stored bytes; nothing when there is none left (the line
    // was used, the tries are spent, or there is no terminal to ask on).
    std::optional<std::string> next();

    // True when a password was wanted and no terminal could be opened to ask for it.
    bool terminalMissing() const { return m_terminalMissing; }
    bool fromStandardInput() const { return m_line.has_value(); }

private:
    PasswordSource() = default;

    std::optional<std::string> m_line;
    bool m_lineUsed = false;
    std::string m_prompt;
    int m_triesLeft = 0;
    bool m_terminalMissing = false;
};

// Reads one line from the controlling terminal with echo switched off; nothing when there is
// no terminal or it ends first.
std::optional<std::string> readHiddenLine(const std::string& prompt);
