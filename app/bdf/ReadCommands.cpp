#include "app/bdf/ReadCommands.h"

#include <QDateTime>
#include <algorithm>

#include "app/bdf/BdfTool.h"
#include "document/Document.h"
#include "document/Vocabulary.h"
#include "shell/AppError.h"

namespace sentrel::bdf {

namespace {

using doc::Document;

const QString kFiltersProperty = QStringLiteral("FiltersArray");
const QString kInternalsType = QStringLiteral("Internals");

void countType(const doc::TypeObject& type, DocumentSummary& summary) {
    const QString code =
        type.hasParameter(mainMod::kTypeParam) ? type.Path(mainMod::kTypeParam).trimmed() : "";
    if (code == mainMod::kTypeFolder) {
        ++summary.folders;
    } else if (code == mainMod::kTypeDeleted) {
        ++summary.deletedTypes;
    } else {
        ++summary.browserTypes;
    }
}

void summarizeInternals(Document& document, DocumentSummary& summary) {
    if (!document.hasType(kInternalsType)) return;
    summary.structure = doc::internals::BDFStructure(document);
    summary.version = QStringLiteral("%1.%2")
                          .arg(doc::internals::BDFMajorVer(document))
                          .arg(doc::internals::BDFMinorver(document), 2, 10, QChar(u'0'));
    const QDateTime stamp = doc::internals::BDFLastUpdate(document);
    if (stamp.isValid()) summary.lastUpdate = mainMod::dateText(stamp);
}

int userPropertyCount(Document& document) {
    const QStringList parameters = document.DefaultBrowser().Parameters();
    return static_cast<int>(
        std::count_if(parameters.begin(), parameters.end(),
                      [](const QString& p) { return !mainMod::isSystemProperty(p); }));
}

AppError noSuchPath(const QString& path) {
    return AppError(doc::kErrNoSuchMember,
                    QStringLiteral("No type or parameter \"%1\" in the document.").arg(path));
}

int info(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const auto document = Document::load(arguments.at(0));
    const DocumentSummary s = summarize(*document);
    out << "structure: " << s.structure << '\n'
        << "version: " << s.version << '\n'
        << "last update: " << s.lastUpdate << '\n'
        << "browser types: " << s.browserTypes << '\n'
        << "folders: " << s.folders << '\n'
        << "deleted types: " << s.deletedTypes << '\n'
        << "user properties: " << s.userProperties << '\n'
        << "filters: " << s.filters << '\n';
    return BdfTool::kExitOk;
}

int types(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const auto document = Document::load(arguments.at(0));
    for (const QString& name : document->types()) out << name << '\n';
    return BdfTool::kExitOk;
}

void printType(doc::TypeObject& type, QTextStream& out) {
    out << type.Name() << '\n';
    for (const QString& parameter : type.enumerate()) {
        out << parameter << '=' << type.Path(parameter) << '\n';
    }
}

int get(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const auto document = Document::load(arguments.at(0));
    const QString& path = arguments.at(1);
    if (document->hasType(path)) {
        printType(document->Path(path), out);
        return BdfTool::kExitOk;
    }
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString typeName = path.left(dot);
    const QString parameter = path.mid(dot + 1);
    if (dot <= 0 || !document->hasType(typeName) ||
        !document->Path(typeName).hasParameter(parameter)) {
        throw noSuchPath(path);
    }
    out << document->Path(typeName).Path(parameter) << '\n';
    return BdfTool::kExitOk;
}

int check(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const auto document = Document::load(arguments.at(0));
    summarize(*document);  // reads every part the other commands read
    out << "OK\n";
    return BdfTool::kExitOk;
}

}  // namespace

DocumentSummary summarize(Document& document) {
    DocumentSummary summary;
    summarizeInternals(document, summary);
    for (const QString& name : document.types()) {
        if (mainMod::isBrowserType(name)) countType(document.Path(name), summary);
    }
    summary.userProperties = userPropertyCount(document);
    if (document.hasProperty(kFiltersProperty)) summary.filters = document.FiltersArray().Count();
    return summary;
}

void addReadCommands(BdfTool& tool) {
    const QStringList file = {QStringLiteral("FILE")};
    tool.add({QStringLiteral("info"), file,
              QStringLiteral("structure, version, last update and counts of a definition file"),
              info});
    tool.add({QStringLiteral("types"), file,
              QStringLiteral("the names of every type, in file order"), types});
    tool.add({QStringLiteral("get"), file + QStringList{QStringLiteral("PATH")},
              QStringLiteral("the value of TYPE.PARAMETER, or a type's name and its "
                             "PARAMETER=VALUE lines"),
              get});
    tool.add({QStringLiteral("check"), file,
              QStringLiteral("exit 0 when the file loads, else 1 with the error"), check});
}

}  // namespace sentrel::bdf
