#include "app/bdf/ExportCommands.h"

#include "app/bdf/BdfTool.h"
#include "detect/BddReader.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "export/BddExport.h"
#include "export/BddWriter.h"

namespace sentrel::bdf {

namespace {

int exportBdd(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const QString& source = arguments.at(0);
    const QString target =
        arguments.size() > 1 ? arguments.at(1) : exporting::BddExport::bddPathFor(source);
    const auto document = doc::Document::load(source);
    exporting::BddWriter(exporting::BddVersion::of(*document)).writeFile(*document, target);
    out << target << '\n';
    return BdfTool::kExitOk;
}

int decodeBdd(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const QByteArray bytes = doc::file_access::readAll(arguments.at(0));
    const std::string text =
        detect::BddReader::plainText(std::string_view(bytes.constData(), bytes.size()));
    out << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return BdfTool::kExitOk;
}

}  // namespace

void addExportCommands(BdfTool& tool) {
    tool.add({QStringLiteral("export"),
              {QStringLiteral("FILE"), QStringLiteral("[TARGET]")},
              QStringLiteral("write the BDD of a definition file (default: beside it, "
                             "extension bdd)"),
              exportBdd});
    tool.add({QStringLiteral("decode"),
              {QStringLiteral("BDD")},
              QStringLiteral("print the plain XML text of a BDD file"),
              decodeBdd});
}

}  // namespace sentrel::bdf
