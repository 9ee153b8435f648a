// A stand-alone window for trying the views by hand: the main window with the file
// lifecycle, the views and the property dialog, opening the definition file named on the
// command line. Base directory: the file's folder.
//   views_tryout path/to/file.bdf
#include <QApplication>

#include "tests/support/TryoutWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sentrel::test::TryoutWindow tryout(argc, argv);
    return tryout.exec();
}
