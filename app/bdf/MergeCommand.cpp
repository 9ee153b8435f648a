#include "app/bdf/MergeCommand.h"

#include <QDir>
#include <QFileInfo>

#include "app/bdf/BdfTool.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/merge/MergeReplay.h"
#include "shell/AppError.h"

namespace sentrel::bdf {

namespace {

struct MergeArguments {
    QString definitions;
    QString changes;
    QString target;
    QString reportFile;
};

// The two files, then the options in any order; false with a message on `err` otherwise.
bool parse(const QStringList& arguments, MergeArguments* parsed, QTextStream& err) {
    parsed->definitions = arguments.at(0);
    parsed->changes = arguments.at(1);
    for (qsizetype i = 2; i < arguments.size(); i += 2) {
        const QString& option = arguments.at(i);
        QString* value = option == QLatin1String("-o")         ? &parsed->target
                         : option == QLatin1String("--report") ? &parsed->reportFile
                                                               : nullptr;
        if (!value || i + 1 >= arguments.size()) {
            err << QStringLiteral("Unknown option or missing value: \"%1\".\n").arg(option);
            return false;
        }
        *value = arguments.at(i + 1);
    }
    if (parsed->target.isEmpty()) parsed->target = mergedPathFor(parsed->definitions);
    return true;
}

int merge(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    MergeArguments parsed;
    if (!parse(arguments, &parsed, err)) return BdfTool::kExitUsage;
    try {
        const auto document = doc::Document::load(parsed.definitions);
        const doc::ReplayReport report = doc::MergeReplay(*document).replayFile(parsed.changes);
        document->save(parsed.target);
        if (!parsed.reportFile.isEmpty()) {
            doc::file_access::writeAll(parsed.reportFile, report.text().toUtf8());
        }
        out << report.text();
        out << parsed.target << '\n';
        return report.count(doc::ReplayOutcome::Conflict) > 0 ? BdfTool::kExitFailure
                                                              : BdfTool::kExitOk;
    } catch (const AppError& error) {
        BdfTool::printError(error, err);
        return BdfTool::kExitUsage;
    }
}

}  // namespace

QString mergedPathFor(const QString& definitionFile) {
    const QFileInfo info(definitionFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".merged.bdf"));
}

void addMergeCommand(BdfTool& tool) {
    tool.add({QStringLiteral("merge"),
              {QStringLiteral("FILE"), QStringLiteral("CHANGES"), QStringLiteral("[-o OUT]"),
               QStringLiteral("[--report REPORT]")},
              QStringLiteral("replay the merge file CHANGES onto FILE and write the result to OUT "
                             "(default: beside FILE, NAME.merged.bdf); exit 1 with conflicts"),
              merge});
}

}  // namespace sentrel::bdf
