// Takes the picture of the cut/paste dialog for the user guide: the dialog as it opens after
// "Scripting required", with ASP.NET (C#) chosen. Run under a display (Xvfb); the picture goes
// into the folder named first on the command line.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
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
    QTest::qWaitForWindowExposed(&dialog);
    dialog.findChild<QRadioButton*>(QStringLiteral("OptionCSharp"))->click();
    QTest::qWait(200);
    const QString file = QDir(folder).filePath(QStringLiteral("code-cut-paste.png"));
    return dialog.grab().save(file) ? 0 : 1;
}
