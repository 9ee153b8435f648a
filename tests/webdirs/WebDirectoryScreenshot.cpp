// The picture of the web directory selection dialog for the user guide: a copy of the
// machine's Apache configuration with a site for the reports service, the dialog driven
// through its controls as a user would, saved as a PNG into the folder named on the command
// line. Run it under Xvfb with a window manager (scripts/webdirs-screenshot.sh).
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QThread>
#include <QTreeWidget>
#include <cstdio>

#include "ShownSelectionDialog.h"

using namespace sentrel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s IMAGE-FOLDER\n", argv[0]);
        return 2;
    }
    test::ApacheTree tree;
    tree.addSite("www.example.com", "/var/www/example",
                 {{"/srws", "/var/www/srws"},
                  {"/reports", "/srv/reports"},
                  {"/reports/archive", "/srv/archive"}});
    test::ShownSelectionDialog shown(tree);
    frmWebDirectorySelect& dialog = shown.dialog;
    auto* sites = dialog.findChild<QComboBox*>("cboServers");
    sites->setCurrentIndex(1);
    emit sites->activated(1);
    auto* directories = dialog.findChild<QTreeWidget*>("tvDirectories");
    QTreeWidgetItem* srws = directories->topLevelItem(0)->child(0);
    directories->setCurrentItem(srws);
    emit directories->itemClicked(srws, 0);
    // The window manager's frame shows the caption: wait for it, then take the screen's
    // pixels inside the frame.
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(50);
    }
    const QRect frame = dialog.frameGeometry();
    const QPixmap picture =
        dialog.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = QString::fromLocal8Bit(argv[1]) + "/web-directory-select.png";
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
