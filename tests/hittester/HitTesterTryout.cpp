// A stand-alone main window for trying the Hit Tester by hand: the file lifecycle, the views
// and the Hit Tester, opening the definition file named on the command line. Base directory
// (where temp.bdd goes): the file's folder.
//   hittester_tryout path/to/file.bdf
#include <QApplication>

#include "export/MainWindowHitTester.h"
#include "tests/support/TryoutWindow.h"

using namespace sentrel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    test::TryoutWindow tryout(argc, argv);
    exporting::MainWindowHitTester hitTester(tryout.ui, tryout.window, tryout.wiring);
    hitTester.setBrowserViews(&tryout.mainViews->views());
    return tryout.exec();
}
