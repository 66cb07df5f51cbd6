#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>
#include <vector>

// One option a command accepts.
struct OptionDef {
    QString name; // without the leading "--"
    bool takesValue = false;
    bool repeatable = false;
};

// The arguments of one command, split into operands and options. Options may stand anywhere
// (before or after the file name), as "--name value" or "--name=value"; "--" ends them, so
// an operand may start with "-". "-h" is "--help".
class CommandLine {
public:
    // Throws a usage error for an unknown option, a missing value, or an option given twice
    // that may be given only once.
    CommandLine(const QStringList& arguments, const std::vector<OptionDef>& options);

    const QStringList& operands() const { return m_operands; }
    bool isSet(const QString& name) const;
    std::optional<QString> value(const QString& name) const;
    QStringList values(const QString& name) const;

private:
    QStringList m_operands;
    std::set<QString> m_flags;
    std::map<QString, QStringList> m_values;
};
