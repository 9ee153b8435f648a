#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "app/bdf/BdfTool.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = sentrel::bdf::BdfTool().run(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
