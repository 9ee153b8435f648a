// Takes the picture of the cut/paste dialog for the user guide: the dialog as it opens after
// "Scripting required", with ASP.NET (C#) chosen. Run under a display (Xvfb); the picture goes
// into the folder named first on the command line.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QtTest/QTest>

#include "codegen/ExtendedPropertyList.h"
#include "codegen/frmCodeCutPaste.h"
#include "shell/QtInteraction.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    sentrel::QtInteraction ui;
    sentrel::codegen::frmCodeCutPaste dialog(
        ui,
        QStringLiteral("Browser,Version,Platform,JavaScriptEnabled,CookiesEnabled,Width,Height"),
        QStringLiteral("http://www.example.com/srws/"), &sentrel::codegen::isExtProperty);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) return 1;
    dialog.findChild<QRadioButton*>(QStringLiteral("OptionCSharp"))->click();
    QTest::qWait(500);
    const QString file = QDir(folder).filePath(QStringLiteral("code-cut-paste.png"));
    // The screen's pixels, so that the window manager's frame and the caption show too.
    const QRect frame = dialog.frameGeometry();
    const QPixmap shot =
        dialog.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(file) ? 0 : 1;
}
