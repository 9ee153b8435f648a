#include "tests/support/TryoutWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>

#include "editing/FilterForm.h"
#include "editing/PropForm.h"
#include "editing/browForm.h"

namespace sentrel::test {

namespace {

QString fileArgument(int argc, char** argv) {
    return argc > 1 ? QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath() : QString();
}

}  // namespace

TryoutWindow::TryoutWindow(int argc, char** argv)
    : window(ui),
      internal(doc::Document::create()),
      wiring(ui, window, [this] { return &internal->lru().bdfName; }),
      file_(fileArgument(argc, argv)) {
    ui.setParentWidget(&window);
    editing::registerPropForm(ui);
    editing::registerBrowForm(ui);
    editing::registerFilterForm(ui);
    wiring.setBaseDirectory(QFileInfo(file_).absolutePath());
    mainViews = std::make_unique<views::MainWindowViews>(window, wiring.lifecycle(), wiring.view(),
                                                         ui, QDateTime::currentDateTime());
}

TryoutWindow::~TryoutWindow() = default;

int TryoutWindow::exec() {
    window.resize(1200, 800);
    window.show();
    if (!file_.isEmpty()) wiring.lifecycle().OpenFile(file_);
    return QApplication::exec();
}

}  // namespace sentrel::test
