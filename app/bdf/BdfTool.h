#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

namespace sentrel {
class AppError;
}

namespace sentrel::bdf {

// The `sentrel-bdf` command line: a table of named commands and the dispatch to them.
// Commands are added by name, so further commands plug in without touching the dispatch.
class BdfTool {
  public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitFailure = 1;
    static constexpr int kExitUsage = 2;

    // Runs a command with its arguments (without the command name). Output goes to `out`;
    // a failure throws sentrel::AppError (reported as "Error #" number and description) or
    // returns a non-zero exit code after writing its own message to `err`.
    using Handler =
        std::function<int(const QStringList& arguments, QTextStream& out, QTextStream& err)>;

    struct Command {
        QString name;
        // Argument names for the usage text; a name in brackets ("[OUT]") is optional.
        QStringList arguments;
        QString summary;
        Handler run;
    };

    // A tool with every standard command.
    BdfTool();

    void add(Command command);

    // Dispatches the command line (program name excluded) and answers the exit code:
    // 0 success, 1 failure, 2 usage error. Never throws.
    int run(const QStringList& commandLine, QTextStream& out, QTextStream& err) const;

    QString usage() const;

    // "Error #" number ": " description, as every command reports a failure.
    static void printError(const AppError& error, QTextStream& err);

  private:
    const Command* find(const QString& name) const;
    static bool acceptsArgumentCount(const Command& command, qsizetype count);
    int runCommand(const Command& command, const QStringList& arguments, QTextStream& out,
                   QTextStream& err) const;

    std::vector<Command> commands_;
};

}  // namespace sentrel::bdf
