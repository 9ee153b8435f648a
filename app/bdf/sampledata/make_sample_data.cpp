// Writes the installation files (intmpl.bdf, maindefs.bdf, maindefs.bdd, intdata.dtl) from the
// definition source tables. Run after changing data/definitions and commit what it rewrites:
//   sentrel-make-sample-data data/definitions data
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "app/bdf/sampledata/SampleDataWriter.h"
#include "shell/AppError.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (app.arguments().size() != 3) {
        err << "Usage: sentrel-make-sample-data TABLES-FOLDER TARGET-FOLDER\n";
        return 2;
    }
    try {
        sentrel::bdf::writeSampleData(QDir(app.arguments().at(1)), QDir(app.arguments().at(2)));
    } catch (const sentrel::AppError& error) {
        err << "Error #" << error.number() << ": " << error.description() << '\n';
        return 1;
    }
    return 0;
}
