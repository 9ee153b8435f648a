// A stand-alone main window for trying the Hit Tester by hand: the file lifecycle, the views
// and the Hit Tester, opening the definition file named on the command line. Base directory
// (where temp.bdd goes): the file's folder.
//   hittester_tryout path/to/file.bdf
#include <QApplication>
#include <QFileInfo>

#include "document/Document.h"
#include "editing/FilterForm.h"
#include "editing/PropForm.h"
#include "editing/browForm.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "export/MainWindowHitTester.h"
#include "shell/QtInteraction.h"

using namespace sentrel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtInteraction ui;
    editor::frmMain window(ui);
    ui.setParentWidget(&window);
    editing::registerPropForm(ui);
    editing::registerBrowForm(ui);
    editing::registerFilterForm(ui);
    auto internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring(ui, window, [&] { return &internal->lru().bdfName; });
    const QString file =
        argc > 1 ? QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath() : QString();
    wiring.setBaseDirectory(QFileInfo(file).absolutePath());
    views::MainWindowViews views(window, wiring.lifecycle(), wiring.view(), ui,
                                 QDateTime::currentDateTime());
    exporting::MainWindowHitTester hitTester(ui, window, wiring);
    hitTester.setBrowserViews(&views.views());
    window.resize(1200, 800);
    window.show();
    if (!file.isEmpty()) wiring.lifecycle().OpenFile(file);
    return app.exec();
}
