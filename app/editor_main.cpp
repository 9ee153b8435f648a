#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Sentrel"));
    QApplication::setApplicationName(QStringLiteral("Sentrel"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Sentrel"));
    window.resize(900, 600);
    window.show();
    return app.exec();
}
