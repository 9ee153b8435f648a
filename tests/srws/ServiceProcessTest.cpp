#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QFile>

#include "ServiceSetup.h"
#include "reporting/OptionStore.h"

using namespace sentrel;
using sentrel::test::CgiAnswer;
using sentrel::test::CgiCall;
using sentrel::test::ServiceSetup;

namespace {

CgiCall get(const QByteArray& query, const QByteArray& remote = "127.0.0.1") {
    CgiCall call;
    call.query = query;
    call.remote = remote;
    return call;
}

CgiCall post(const QByteArray& body, const QByteArray& query = {}) {
    CgiCall call;
    call.method = "POST";
    call.query = query;
    call.body = body;
    return call;
}

// The answer's status and body, for one comparison.
std::pair<int, QString> statusAndText(const CgiAnswer& answer) {
    return {answer.status, QString::fromUtf8(answer.body)};
}

class ServiceProcessTest : public ::testing::Test {
  protected:
    ServiceSetup service;
};

}  // namespace

TEST_F(ServiceProcessTest, RecordsOfEachKindGoThroughTheirViewsFittedToTheColumns) {
    const CgiAnswer sns =
        service.run(get("t=sns&BROW=O%27Brien%22%29%3B+DROP+TABLE+SNSTATS%3B+--&vm=120&fram=True"
                        "&cook=false&snsw=wide&nosuch=1"));
    EXPECT_EQ(sns.status, 204);
    EXPECT_TRUE(sns.body.isEmpty());
    EXPECT_EQ(sns.headers.value("Access-Control-Allow-Origin"), "*");
    EXPECT_EQ(
        service.rows("SELECT Browser || '|' || Majorver || '|' || Frames || '|' || Cookies "
                     "|| '|' || quote(Width) || '|' || (LastUpdate IS NOT NULL) FROM SNSTATS"),
        QStringList{"O'Brien\"); DROP TABLE SNSTATS; --|120|1|0|NULL|1"});

    // "0012" in a memo column stays text; a number column holds a number.
    EXPECT_EQ(service.run(post("t=plt&p=0012&hittype=load&latency=0012")).status, 204);
    EXPECT_EQ(service.rows("SELECT typeof(Page) || ' ' || Page || ' ' || typeof(Latency) || ' ' "
                           "|| Latency || ' ' || Hittype FROM SNPLT"),
              QStringList{"text 0012 integer 12 load"});

    const QByteArray given = "2025-12-31T23:59:58";
    EXPECT_EQ(service.run(post("es=Boom&el=7&lu=" + given, "t=ERR")).status, 204);
    EXPECT_EQ(service.rows("SELECT ErrorStr || ' ' || ErrorLine || ' ' || LastUpdate FROM "
                           "BrowserErrors"),
              QStringList{"Boom 7 " + given});

    // The value that did not fit is in the log.
    const QStringList log = service.logLines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(
        log[0].endsWith("Record for SNS: value \"wide\" of field \"snsw\" (column Width): "
                        "not a number, stored as NULL (request from 127.0.0.1)"))
        << log[0].toStdString();
}

TEST_F(ServiceProcessTest, StatusPageShowsTheDatabaseOnlyToThisMachineAndLeavesNoRecords) {
    service.writeOptions([](OptionStore& options) { options.srwsPassword = "Pw-not-shown-77"; });
    const CgiAnswer local = service.run(get("test"));
    EXPECT_EQ(local.status, 200);
    EXPECT_EQ(local.headers.value("Content-Type"), "text/html; charset=utf-8");
    const QString page = QString::fromUtf8(local.body);
    EXPECT_TRUE(page.contains("<p>Database: SQLite file " + service.databasePath() + "</p>"))
        << page.toStdString();
    EXPECT_FALSE(page.contains("Pw-not-shown-77"));

    const CgiAnswer remote = service.run(get("test", "203.0.113.9"));
    EXPECT_EQ(statusAndText(remote),
              std::pair(200, QString("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                     "<title>Sentrel Reports Web Service</title></head>\n<body>\n"
                                     "<h1>Sentrel Reports Web Service</h1>\n<p>Version 1.0.0</p>\n"
                                     "<table>\n<tr><th>Check</th><th>Result</th><th>Details</th>"
                                     "</tr>\n"
                                     "<tr><td>Settings</td><td class=\"passed\">passed</td>"
                                     "<td>found</td></tr>\n"
                                     "<tr><td>Connection</td><td class=\"passed\">passed</td>"
                                     "<td>connected</td></tr>\n"
                                     "<tr><td>Record through SNS</td><td class=\"passed\">passed"
                                     "</td><td>written and deleted again</td></tr>\n"
                                     "<tr><td>Record through PLT</td><td class=\"passed\">passed"
                                     "</td><td>written and deleted again</td></tr>\n"
                                     "<tr><td>Record through BROWERR</td><td class=\"passed\">"
                                     "passed</td><td>written and deleted again</td></tr>\n"
                                     "</table>\n<p id=\"summary\">All checks passed.</p>\n"
                                     "</body></html>\n")));
    EXPECT_EQ(service.recordCount(), 0);
    EXPECT_TRUE(service.logLines().isEmpty());
}

TEST_F(ServiceProcessTest, StatusPageFailsWith500AndTellsWhyOnlyToThisMachine) {
    QFile::remove(service.databasePath());
    const CgiAnswer local = service.run(get("test"));
    EXPECT_EQ(local.status, 500);
    const QString reason =
        "[SQLConnection] Unable to connect to database\r[SQLite] the file does "
        "not exist: " +
        service.databasePath();
    EXPECT_TRUE(QString::fromUtf8(local.body)
                    .contains("<tr><td>Connection</td><td class=\"FAILED\">FAILED</td><td>" +
                              reason.toHtmlEscaped() +
                              "</td></tr>\n"
                              "<tr><td>Record through SNS</td><td class=\"not run\">not run</td>"))
        << local.body.toStdString();
    EXPECT_TRUE(QString::fromUtf8(local.body).contains("Some checks failed."));

    const QString remote = QString::fromUtf8(service.run(get("test", "10.1.1.1")).body);
    EXPECT_TRUE(
        remote.contains("<tr><td>Connection</td><td class=\"FAILED\">FAILED</td>"
                        "<td>details in the service's log</td></tr>"))
        << remote.toStdString();
    EXPECT_FALSE(remote.contains(service.databasePath()));
    // Each failed status request is logged with the reason, on one line.
    EXPECT_EQ(service.logLines()
                  .filter("Status check failed: Connection: " + QString(reason).replace('\r', ' '))
                  .size(),
              2);
    EXPECT_FALSE(QFile::exists(service.databasePath()));
}

TEST_F(ServiceProcessTest, WithoutOptionsOrDatabaseNothingIsStoredAndTheFailureIsLogged) {
    QFile::remove(service.databasePath());
    EXPECT_EQ(statusAndText(service.run(get("t=sns&brow=x"))),
              std::pair(500, QString("The record could not be stored.\n")));
    EXPECT_FALSE(QFile::exists(service.databasePath()));
    ASSERT_EQ(service.logLines().size(), 1);
    EXPECT_TRUE(
        service.logLines()[0].contains("Record for SNS not stored: [SQLConnection] Unable "
                                       "to connect to database "));

    ServiceSetup unset(false);
    QDir(unset.registryRoot()).removeRecursively();
    EXPECT_EQ(statusAndText(unset.run(get("t=sns&brow=x"))),
              std::pair(500, QString("The reports web service is not set up.\n")));
    const CgiAnswer status = unset.run(get("test"));
    EXPECT_EQ(status.status, 500);
    EXPECT_TRUE(
        status.body.contains("<tr><td>Settings</td><td class=\"FAILED\">FAILED</td><td>"
                             "the options key is missing in the key store " +
                             unset.registryRoot().toUtf8() + "</td></tr>"))
        << status.body.toStdString();
}

TEST_F(ServiceProcessTest, RefusedRequestsWriteNothingAndSayWhy) {
    EXPECT_EQ(statusAndText(service.run(get("t=abc&brow=x"))),
              std::pair(400, QString("Refused: unknown record kind t=\"abc\" (known: sns, plt, "
                                     "err)\n")));
    CgiCall huge = post("t=sns&brow=" + QByteArray(70000, 'x'));
    EXPECT_EQ(statusAndText(service.run(huge)),
              std::pair(400, QString("Refused: the request is larger than 64 KB\n")));
    huge.contentLength = "-";  // a body without a length is read up to the limit too
    EXPECT_EQ(service.run(huge).status, 400);
    CgiCall put = post("t=sns");
    put.method = "DELETE";
    const CgiAnswer refusedMethod = service.run(put);
    EXPECT_EQ(refusedMethod.status, 405);
    EXPECT_EQ(refusedMethod.headers.value("Allow"), "GET, POST, OPTIONS");
    EXPECT_EQ(service.recordCount(), 0);
    EXPECT_EQ(service.logLines().size(), 4);
}

TEST_F(ServiceProcessTest, PreflightAllowsPagesOfOtherSitesToPost) {
    CgiCall preflight;
    preflight.method = "OPTIONS";
    const CgiAnswer answer = service.run(preflight);
    EXPECT_EQ(answer.status, 204);
    EXPECT_EQ(answer.headers.value("Access-Control-Allow-Origin"), "*");
    EXPECT_EQ(answer.headers.value("Access-Control-Allow-Methods"), "GET, POST, OPTIONS");
}
