// Writes the installation documents (intmpl.bdf, maindefs.bdf, intdata.dtl) into a folder.
// Run after changing the sample tables and commit the files it writes to data/.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "app/bdf/sampledata/DefinitionTemplate.h"
#include "app/bdf/sampledata/SampleDefinitions.h"
#include "document/Document.h"
#include "shell/AppError.h"

namespace {

// A fixed stamp keeps the generated files identical from run to run.
const QDateTime kStamp(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC);

void writeFiles(const QDir& folder) {
    sentrel::bdf::makeDefinitionTemplate(kStamp)->save(folder.filePath("intmpl.bdf"));
    auto definitions = sentrel::bdf::makeDefinitionTemplate(kStamp);
    sentrel::bdf::addSampleDefinitions(*definitions, kStamp);
    definitions->save(folder.filePath("maindefs.bdf"));
    sentrel::doc::Document::create()->save(folder.filePath("intdata.dtl"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "Usage: sentrel-make-sample-data FOLDER\n";
        return 2;
    }
    try {
        writeFiles(QDir(app.arguments().at(1)));
    } catch (const sentrel::AppError& error) {
        err << "Error #" << error.number() << ": " << error.description() << '\n';
        return 1;
    }
    return 0;
}
