// Pictures of the two reporting tabs for the user guide: the dialog is driven through its
// controls as a user would (an SQLite file and the throw-away PostgreSQL server of the tests),
// and each state is saved as a PNG into the folder named on the command line. Run it under
// Xvfb (scripts/reporting-screenshots.sh).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cstdio>

#include "PostgresServer.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsController.h"
#include "reporting/OptionsTab.h"
#include "reporting/frmOptions.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

using namespace sentrel;

namespace {

class Shots {
  public:
    Shots(frmOptions& dialog, QString folder) : dialog_(dialog), folder_(std::move(folder)) {}

    template <class W>
    W* get(const char* name) {
        return dialog_.findChild<W*>(QLatin1String(name));
    }
    void type(const char* name, const QString& text) {
        if (auto* combo = get<QComboBox>(name)) {
            combo->setEditText(text);
        } else {
            get<QLineEdit>(name)->setText(text);
        }
    }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    void tab(OptionsTab tab) { dialog_.tabs()->setCurrentIndex(int(tab)); }
    void save(const char* name) {
        QApplication::processEvents();
        const QString path = folder_ + QLatin1Char('/') + QLatin1String(name);
        if (!dialog_.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }

  private:
    frmOptions& dialog_;
    QString folder_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s IMAGE-FOLDER\n", argv[0]);
        return 2;
    }
    test::TempDir dir;
    qputenv("SENTREL_REGISTRY", dir.file("registry").toUtf8());
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
    OptionStore store(registry, dir.path());
    store.load();
    SetupWizardFlags wizard;
    OptionsController controller(store, ui, wizard);
    controller.reportingTabs().setServerSources({dir.file("no-sockets"), {}});
    frmOptions dialog(controller);
    dialog.resize(640, 560);
    dialog.show();
    dialog.activate();
    Shots shots(dialog, QDir(QString::fromLocal8Bit(argv[1])).absolutePath());

    shots.tab(OptionsTab::ReportingOptions);
    shots.type("txtWebAddress", QStringLiteral("http://www.example.com"));
    shots.type("txtURL", QStringLiteral("http://www.example.com/srws/"));
    shots.save("options-reporting.png");

    shots.tab(OptionsTab::ReportsDatabase);
    shots.save("options-database-postgresql-empty.png");
    shots.click("optAccess");
    shots.save("options-database-sqlite-empty.png");
    QDir().mkpath(dir.file("reports"));  // as scripts/run.sh makes it
    shots.type("txtAccessPath", dir.write("reports/SNReports.db", ""));
    shots.save("options-database-sqlite-untested.png");
    ui.answerMessage(MsgAnswer::Yes);  // the tables are missing: initialise them
    ui.answerMessage(MsgAnswer::Yes);
    shots.click("cmdTestSettings");
    shots.save("options-database-sqlite-working.png");

    test::PostgresServer& server = test::PostgresServer::instance();
    shots.click("optSQLServer");
    shots.type("cboServer", server.tcpServer());
    shots.get<QCheckBox>("chkNTAuthentication")->setChecked(false);
    shots.save("options-database-postgresql-username.png");
    shots.type("txtUsername", QString::fromLatin1(test::PostgresServer::kUser));
    shots.type("txtPassword", QString::fromLatin1(test::PostgresServer::kPassword));
    shots.type("cboDatabase", QString::fromLatin1(test::PostgresServer::kDatabase));
    shots.type("txtTableOwner", QStringLiteral("sentrel"));
    shots.save("options-database-postgresql-untested.png");
    ui.answerMessage(MsgAnswer::Yes);  // "Create the data tables to store the statistics?"
    shots.click("cmdInitTables");
    shots.save("options-database-postgresql-initialized.png");
    shots.click("cmdTestSettings");
    shots.save("options-database-postgresql-working.png");

    shots.tab(OptionsTab::ReportingOptions);
    shots.click("optRemote");
    shots.tab(OptionsTab::ReportsDatabase);
    shots.save("options-database-remote.png");

    for (const QString& text : ui.messageTexts()) {
        std::printf("message: %s\n", qPrintable(QString(text).replace('\r', '\n')));
    }
    test::PostgresServer::stopInstance();
    return 0;
}
