#include "app/bdf/BdfTool.h"

#include <algorithm>
#include <exception>

#include "app/bdf/ExportCommands.h"
#include "app/bdf/MergeCommand.h"
#include "app/bdf/ReadCommands.h"
#include "shell/AppError.h"

namespace sentrel::bdf {

namespace {

bool isOptional(const QString& argument) {
    return argument.startsWith(u'[');
}

bool isHelpRequest(const QString& word) {
    return word == QLatin1String("help") || word == QLatin1String("--help") ||
           word == QLatin1String("-h");
}

}  // namespace

BdfTool::BdfTool() {
    addReadCommands(*this);
    addExportCommands(*this);
    addMergeCommand(*this);
}

void BdfTool::add(Command command) {
    commands_.push_back(std::move(command));
}

const BdfTool::Command* BdfTool::find(const QString& name) const {
    const auto it = std::find_if(commands_.begin(), commands_.end(),
                                 [&](const Command& command) { return command.name == name; });
    return it == commands_.end() ? nullptr : &*it;
}

bool BdfTool::acceptsArgumentCount(const Command& command, qsizetype count) {
    qsizetype required = 0;
    qsizetype most = 0;
    for (const QString& argument : command.arguments) {
        // An option with its value ("[-o OUT]") takes two words of the command line.
        const qsizetype words = argument.count(u' ') + 1;
        most += words;
        if (!isOptional(argument)) required += words;
    }
    return count >= required && count <= most;
}

void BdfTool::printError(const AppError& error, QTextStream& err) {
    err << QStringLiteral("Error #%1: %2\n").arg(error.number()).arg(error.description());
}

QString BdfTool::usage() const {
    QString text = QStringLiteral("Usage: sentrel-bdf COMMAND ARGUMENTS\n\nCommands:\n");
    for (const Command& command : commands_) {
        const QString synopsis = (QStringList{command.name} + command.arguments).join(u' ');
        text += QStringLiteral("  %1\n      %2\n").arg(synopsis, command.summary);
    }
    return text;
}

int BdfTool::run(const QStringList& commandLine, QTextStream& out, QTextStream& err) const {
    if (!commandLine.isEmpty() && isHelpRequest(commandLine.first())) {
        out << usage();
        return kExitOk;
    }
    const Command* command = commandLine.isEmpty() ? nullptr : find(commandLine.first());
    const QStringList arguments = commandLine.mid(1);
    if (!command || !acceptsArgumentCount(*command, arguments.size())) {
        if (!commandLine.isEmpty() && !command) {
            err << QStringLiteral("Unknown command \"%1\".\n").arg(commandLine.first());
        }
        err << usage();
        return kExitUsage;
    }
    return runCommand(*command, arguments, out, err);
}

int BdfTool::runCommand(const Command& command, const QStringList& arguments, QTextStream& out,
                        QTextStream& err) const {
    try {
        return command.run(arguments, out, err);
    } catch (const AppError& error) {
        printError(error, err);
    } catch (const std::exception& error) {
        err << QStringLiteral("Error: %1\n").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        err << QStringLiteral("Error: unexpected failure\n");
    }
    out.flush();
    return kExitFailure;
}

}  // namespace sentrel::bdf
