#include "cli/CommandLine.h"

#include "cli/CliFailure.h"
#include "cli/CliText.h"

#include <algorithm>

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments, const std::vector<OptionDef>& options) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            m_operands.append(argument);
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        QString name = argument == u"-h" ? QStringLiteral("help") : argument;
        if (name.startsWith(u"--"))
            name = name.mid(2);
        else if (name != u"help")
            throw usageError(
                cliText(QT_TRANSLATE_NOOP("qbk", "unknown option %1"), {utf8(argument)}));
        std::optional<QString> inlineValue;
        if (const qsizetype eq = name.indexOf(u'='); eq >= 0) {
            inlineValue = name.mid(eq + 1);
            name = name.left(eq);
        }
        const auto known = std::find_if(options.begin(), options.end(),
                                        [&](const OptionDef& o) { return o.name == name; });
        if (known == options.end())
            throw usageError(
                cliText(QT_TRANSLATE_NOOP("qbk", "unknown option --%1"), {utf8(name)}));
        if (!known->takesValue) {
            if (inlineValue)
                throw usageError(
                    cliText(QT_TRANSLATE_NOOP("qbk", "option --%1 takes no value"), {utf8(name)}));
            m_flags.insert(name);
            continue;
        }
        QString value;
        if (inlineValue) {
            value = *inlineValue;
        } else {
            if (i + 1 >= arguments.size())
                throw usageError(
                    cliText(QT_TRANSLATE_NOOP("qbk", "option --%1 needs a value"), {utf8(name)}));
            value = arguments[++i];
        }
        QStringList& list = m_values[name];
        if (!list.isEmpty() && !known->repeatable)
            throw usageError(cliText(QT_TRANSLATE_NOOP("qbk", "option --%1 may be given only once"),
                                     {utf8(name)}));
        list.append(value);
    }
}

bool CommandLine::isSet(const QString& name) const {
    return m_flags.count(name) != 0 || m_values.count(name) != 0;
}

std::optional<QString> CommandLine::value(const QString& name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end() || it->second.isEmpty())
        return std::nullopt;
    return it->second.front();
}

QStringList CommandLine::values(const QString& name) const {
    const auto it = m_values.find(name);
    return it == m_values.end() ? QStringList() : it->second;
}
