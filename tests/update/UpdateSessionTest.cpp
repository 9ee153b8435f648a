// An administrator's round trip: customizations made through the editor's operations and
// saved, a newer release served over HTTP, `sentrel-update --quiet` run as cron runs it, and
// the editor's "Download" panel showing the next check.
#include <gtest/gtest.h>

#include <QLocale>

#include "document/Document.h"
#include "editing/BrowFormFields.h"
#include "editing/FilterFormFields.h"
#include "editing/PropFormFields.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "update/LocalHttpServer.h"
#include "update/ProgramRun.h"
#include "update/UpdateFixture.h"
#include "views/WindowSession.h"

namespace sentrel::test {
namespace {

namespace bf = editing::browform;
namespace ff = editing::filterform;
namespace pf = editing::propform;

class UpdateSession : public WindowSession {
  protected:
    UpdateSession() {
        registry.setString(reg::kProductKey, reg::kBaseDirValue, dir.path());
        registry.setString(reg::kProductKey, "installedRelease", "2026-12-01T00:00:00");
        window.hooks().readNextCheck = [this] {
            return registry.getString(reg::kOptionsKey, "nextCheck").value_or(QString());
        };
    }
    ~UpdateSession() override { qunsetenv("SENTREL_REGISTRY"); }

    void show(const QString& key) {
        views.selectTreeNode(key);
        views.nodeClick(key);
    }
    // The merge records of the saved file, one per line, without line ends.
    QList<QByteArray> journalled() const {
        QList<QByteArray> lines = TempDir::read(dir.file("maindefs.mrg")).split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }
    static QString firstField(const QByteArray& line) {
        return QString::fromUtf8(line.split(',').value(1)).remove(u'"');
    }

    TempDir keysDir;
    const bool keysSet = qputenv("SENTREL_REGISTRY", keysDir.path().toUtf8());
    ScriptedInteraction keyUi;
    reg::mdlRegistry registry{keyUi};
};

TEST_F(UpdateSession, CustomizationsMadeInTheEditorSurviveANewerReleaseFromAWebServer) {
    show("desktop");
    ui.answerDialog({{bf::kDescription, "Our Browser"},
                     {bf::kParent, "Desktop browsers"},
                     {bf::kUserAgent, "*OurBrowser/1*"}});
    window.dispatcher().dispatch("miBrowsersAdd");
    show("chrome");
    ui.answerDialog({{pf::kValue, "Chromium family"}, {pf::kApply, true}});
    views.propertyDoubleClick(views.propertyList().rowOfKey("Browser"));
    ui.answerDialog({{ff::kProperty, "Platform"},
                     {ff::kMatchCondition, "*OurOS*"},
                     {ff::kValue, "OurOS"},
                     {ff::kPriority, "5"},
                     {ff::kBasedOn, "Browser user agent"},
                     {ff::kData, ""}});
    window.dispatcher().dispatch("miFiltersAdd");
    window.dispatcher().dispatch("miFileSave");
    ASSERT_EQ(ui.messages(), QList<MessageRequest>());
    const QList<QByteArray> records = journalled();
    ASSERT_EQ(records.size(), 3);
    ASSERT_TRUE(records[0].startsWith("4,"));
    ASSERT_TRUE(records[1].startsWith("8,\"chrome\",\"Browser\",\"Chromium family\",\"children\""));
    ASSERT_TRUE(records[2].startsWith("10,"));
    const QString ourBrowser = firstField(records[0]);
    const int ourFilter = records[2].split(',').value(1).toInt();

    TempDir served;
    publishRelease(served.path(), QDateTime(QDate(2027, 1, 15), QTime(8, 30)),
                   record(4, {"chrome999", "chrome", "Chrome 999", "*Chrome/999.*", ""}));
    LocalHttpServer server(served.path());
    ASSERT_TRUE(server.isRunning());

    // Refused while the editor has the file open.
    const ProgramRun refused =
        ProgramRun::run(keysDir.path(), {"--source", server.url().toString(), "--quiet"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.out.startsWith("Update failed: " + file + " is open in the Sentrel editor"))
        << refused.out.toStdString();

    ASSERT_TRUE(life.CloseFile());
    const ProgramRun updated = ProgramRun::run(keysDir.path(), {"--quiet"});
    EXPECT_EQ(updated.exitCode, 0) << updated.err.toStdString();
    EXPECT_EQ(updated.out,
              "Updated to release 2027-01-15T08:30:00 (was 2026-12-01T00:00:00); "
              "customizations: 3 applied, 0 already so, 0 conflicts.\n");

    auto installed = doc::Document::load(file);
    EXPECT_EQ(installed->PathValue("chrome999.i__userAgent"), "*Chrome/999.*");
    EXPECT_EQ(installed->PathValue(ourBrowser + ".i__description"), "Our Browser");
    EXPECT_EQ(installed->PathValue(ourBrowser + ".i__userAgent"), "*OurBrowser/1*");
    EXPECT_EQ(installed->Path("chrome").Path("Browser"), "Chromium family");
    EXPECT_EQ(installed->Path("chrome131").Path("Browser"), "Chromium family");
    bool filterFound = false;
    const doc::FiltersArray& filters = installed->FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters[i].number("uId") != ourFilter) continue;
        filterFound = true;
        EXPECT_EQ(filters[i].text("matchStr"), "*OurOS*");
        EXPECT_EQ(filters[i].text("valToSet"), "OurOS");
        EXPECT_EQ(filters[i].text("propToSet"), "Platform");
    }
    EXPECT_TRUE(filterFound) << "filter " << ourFilter;

    const QString nextCheck = registry.getString(reg::kOptionsKey, "nextCheck").value_or("");
    const QDate due = QDateTime::fromString(nextCheck, Qt::ISODate).date();
    ASSERT_TRUE(due.isValid()) << nextCheck.toStdString();
    window.setStatusNextBDFDownload();
    EXPECT_EQ(window.statusPanels().text("Download"),
              " Next check: " + QLocale().toString(due, QLocale::ShortFormat) + " ");
    EXPECT_TRUE(window.statusPanels().isEnabled("Download"));
}

}  // namespace
}  // namespace sentrel::test
