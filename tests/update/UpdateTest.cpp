// The update in-process: a newer release installed with the customizations carried over,
// and every way a source can fail leaving the installation as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTcpServer>
#include <functional>

#include "app/update/UpdateSource.h"
#include "detect/BddReader.h"
#include "document/Document.h"
#include "document/DocumentLock.h"
#include "editor/lifecycle/PendingMerge.h"
#include "registry/KeyPaths.h"
#include "shell/AppError.h"
#include "update/LocalHttpServer.h"
#include "update/UpdateFixture.h"

namespace sentrel::test {
namespace {

using update::UpdateOutcome;
using Status = UpdateOutcome::Status;

std::string plainBdd(const QString& path) {
    const QByteArray bytes = TempDir::read(path);
    return detect::BddReader::plainText(std::string_view(bytes.constData(), bytes.size()));
}

class UpdateInstall : public UpdateFixture {};

TEST_F(UpdateInstall, NewerReleaseIsInstalledWithTheCustomizationsCarriedOver) {
    publish(kNewer);
    source.write("whatsnew.txt", "Chrome 999 arrives.\n");
    const QMap<QString, QByteArray> before = installedState();
    const QDateTime started = QDateTime::currentDateTime();

    const UpdateOutcome outcome = runUpdate();
    ASSERT_EQ(outcome.status, Status::Updated) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.summaryLine(),
              "Updated to release 2027-01-15T08:30:00 (was 2026-12-01T00:00:00); "
              "customizations: 2 applied, 1 already so, 1 conflict.");
    EXPECT_EQ(outcome.reportText(),
              "Updated to release 2027-01-15T08:30:00 (was 2026-12-01T00:00:00); "
              "customizations: 2 applied, 1 already so, 1 conflict.\n"
              "\nThese customizations could not be carried over:\n"
              "line 3: the browser or folder \"chrome125\" was deleted: "
              "5,\"chrome125\",\"\",\"*OurChrome/125*\",\"\",\"2026-12-02T10:00:00\"\n");
    EXPECT_EQ(outcome.updateExitCode(), 1);

    // Upstream content and every customization that still has its target.
    auto installed = doc::Document::load(files.definitions());
    EXPECT_EQ(installed->PathValue("chrome999.i__description"), "Chrome 999");
    EXPECT_EQ(installed->PathValue("chrome125.i__type"), "-1");  // deleted upstream
    EXPECT_EQ(installed->PathValue("chrome124.i__description"), "Chrome 124 (our build)");
    EXPECT_EQ(installed->PathValue("ourbrowser.i__userAgent"), "*OurBrowser/*");
    EXPECT_EQ(doc::internals::BDFLastUpdate(*installed), kNewer);

    EXPECT_EQ(TempDir::read(files.backup()), before["maindefs.bdf"]);
    EXPECT_EQ(TempDir::read(files.mergeFile()), kCustomizations);
    EXPECT_EQ(TempDir::read(files.whatsNew()), "Chrome 999 arrives.\n");
    const std::string bdd = plainBdd(files.bdd());
    EXPECT_NE(bdd.find("*Chrome/999.*"), std::string::npos);
    EXPECT_NE(bdd.find("*OurBrowser/*"), std::string::npos);
    EXPECT_FALSE(QFile::exists(files.definitions() + ".lock"));

    EXPECT_EQ(keyValue(reg::kProductKey, "installedRelease"), "2027-01-15T08:30:00");
    const QDate nextCheck =
        QDateTime::fromString(keyValue(reg::kOptionsKey, "nextCheck"), Qt::ISODate).date();
    EXPECT_GE(nextCheck, started.date().addDays(7));
    EXPECT_LE(nextCheck, QDate::currentDate().addDays(7));

    // The same release again: nothing to do, nothing touched.
    const QMap<QString, QByteArray> updated = installedState();
    const UpdateOutcome again = runUpdate();
    EXPECT_EQ(again.status, Status::UpToDate);
    EXPECT_EQ(again.summaryLine(),
              "No newer definitions: release 2027-01-15T08:30:00 is installed, the update source "
              "offers 2027-01-15T08:30:00.");
    EXPECT_EQ(again.updateExitCode(), 0);
    EXPECT_EQ(installedState(), updated);
}

TEST_F(UpdateInstall, WithoutConflictsOrMergeFileOrWhatsNew) {
    QFile::remove(files.mergeFile());
    publish(kNewer);
    const QByteArray oldNotes = TempDir::read(files.whatsNew());
    const UpdateOutcome outcome = runUpdate();
    ASSERT_EQ(outcome.status, Status::Updated) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.updateExitCode(), 0);
    EXPECT_EQ(outcome.replay.summary(), "0 applied, 0 already so, 0 conflicts");
    EXPECT_EQ(TempDir::read(files.whatsNew()), oldNotes);  // the source has none
    EXPECT_TRUE(doc::Document::load(files.definitions())->hasType("chrome999"));
}

// Records saved into maindefs.bdf while its merge file could not be written wait in
// pending-merge/; they are customizations too.
TEST_F(UpdateInstall, RecordsWaitingForTheMergeFileAreCarriedOverToo) {
    lifecycle::PendingMerge(base.path())
        .keep(files.mergeFile(), record(5, {"chrome126", "", "*Pending/126*", "", "x"}));
    publish(kNewer);
    const UpdateOutcome outcome = runUpdate();
    ASSERT_EQ(outcome.status, Status::Updated) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.replay.summary(), "3 applied, 1 already so, 1 conflict");
    EXPECT_EQ(doc::Document::load(files.definitions())->PathValue("chrome126.i__userAgent"),
              "*Pending/126*");
}

// With no release recorded (an installation never updated) any release that loads is taken;
// the user's own file, saved later than any release, is never what it is compared with.
TEST_F(UpdateInstall, WithoutARecordedReleaseAnyReleaseIsTaken) {
    registry.setString(reg::kProductKey, "installedRelease", "");
    publish(kInstalled.addYears(-1));
    const UpdateOutcome outcome = runUpdate();
    ASSERT_EQ(outcome.status, Status::Updated) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.summaryLine().left(59),
              "Updated to release 2025-12-01T00:00:00 (was none); customiz");
    EXPECT_EQ(keyValue(reg::kProductKey, "installedRelease"), "2025-12-01T00:00:00");
}

TEST_F(UpdateInstall, CheckOnlyTellsAndChangesNothing) {
    const QMap<QString, QByteArray> before = installedState();
    publish(kNewer);
    UpdateOutcome outcome = update::DefinitionUpdate(keys, downloader).check();
    EXPECT_EQ(outcome.status, Status::NewerAvailable);
    EXPECT_EQ(outcome.summaryLine(),
              "A newer release is available: 2027-01-15T08:30:00 (installed: "
              "2026-12-01T00:00:00).");
    EXPECT_EQ(outcome.checkExitCode(), 0);

    publish(kInstalled);
    outcome = update::DefinitionUpdate(keys, downloader).check();
    EXPECT_EQ(outcome.status, Status::UpToDate);
    EXPECT_EQ(outcome.checkExitCode(), 1);
    EXPECT_EQ(installedState(), before);
    EXPECT_EQ(keyValue(reg::kOptionsKey, "nextCheck"), "(none)");
}

// A write that fails while the new files go in puts the old definitions and BDD back.
TEST_F(UpdateInstall, FailureWhileInstallingPutsTheOldFilesBack) {
    QFile::remove(files.whatsNew());
    QDir(base.path()).mkdir("whatsnew.txt");  // cannot be replaced by a file
    publish(kNewer);
    source.write("whatsnew.txt", "notes\n");
    const QByteArray definitions = TempDir::read(files.definitions());
    const QByteArray bdd = TempDir::read(files.bdd());
    const UpdateOutcome outcome = runUpdate();
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(outcome.updateExitCode(), 2);
    EXPECT_TRUE(outcome.summaryLine().startsWith("Update failed: "));
    EXPECT_TRUE(outcome.summaryLine().endsWith(" The installed definitions are unchanged."));
    EXPECT_EQ(TempDir::read(files.definitions()), definitions);
    EXPECT_EQ(TempDir::read(files.bdd()), bdd);
    EXPECT_EQ(keyValue(reg::kProductKey, "installedRelease"), "2026-12-01T00:00:00");
    EXPECT_EQ(keyValue(reg::kOptionsKey, "nextCheck"), "(none)");
}

// Each bad source: the failure named, and the installed files and values as they were.
class BadSource : public UpdateFixture {
  protected:
    // `summaryStart`: how the summary line starts ("Update failed: " and the reason).
    void expectRefused(const QString& address, Status status, const QString& summaryStart) {
        SCOPED_TRACE(address.toStdString());
        keys.setUpdateSource(address);
        const QMap<QString, QByteArray> before = installedState();
        const UpdateOutcome outcome = runUpdate();
        EXPECT_EQ(outcome.status, status);
        EXPECT_TRUE(outcome.summaryLine().startsWith(summaryStart))
            << outcome.summaryLine().toStdString()
            << "\n  expected start: " << summaryStart.toStdString();
        EXPECT_EQ(installedState(), before);
        // Only a check that ended schedules the next one.
        EXPECT_EQ(keyValue(reg::kOptionsKey, "nextCheck") == "(none)", status == Status::Failed);
    }
    void expectFailure(const QString& address, const QString& reasonStart) {
        expectRefused(address, Status::Failed, "Update failed: " + reasonStart);
    }
};

TEST_F(BadSource, MissingUnreachableOrAnswering404) {
    const QString nowhere = source.file("nowhere");
    expectFailure(nowhere, "The update source has no such file: " + nowhere +
                               "/maindefs.bdf does not exist.");

    const QString unreachable =
        QStringLiteral("http://127.0.0.1:%1/defs/").arg(LocalHttpServer::unusedPort());
    expectFailure(unreachable,
                  unreachable + "maindefs.bdf could not be downloaded: Connection refused");

    LocalHttpServer server(source.path());  // the folder holds no maindefs.bdf yet
    ASSERT_TRUE(server.isRunning());
    expectFailure(server.url().toString(),
                  "The update source has no such file: " + server.url().toString() +
                      "maindefs.bdf answered HTTP 404.");
}

TEST_F(BadSource, TruncatedDamagedOrNoCurrentDefinitions) {
    LocalHttpServer server(source.path());
    ASSERT_TRUE(server.isRunning());
    const QString served = server.url().toString() + "maindefs.bdf";
    const QByteArray newer = publish(kNewer);
    source.write("maindefs.bdf", newer.left(newer.size() / 2));
    expectFailure(server.url().toString(), "The downloaded " + served + " is not usable: ");

    source.write("maindefs.bdf", "<html>Moved to our new site</html>\n");
    expectFailure(server.url().toString(), "The downloaded " + served + " is not usable: ");

    source.write("maindefs.bdf", "SentrelDocument 1\nend\n");
    expectFailure(server.url().toString(),
                  "The downloaded " + served +
                      " is not usable: its internal structure is 0, this program reads 3.");
}

TEST_F(BadSource, OlderOrSameReleaseIsNotInstalled) {
    const QString installed =
        "No newer definitions: release 2026-12-01T00:00:00 is installed, "
        "the update source offers ";
    publish(kInstalled.addDays(-10));
    expectRefused(source.path(), Status::UpToDate, installed + "2026-11-21T00:00:00.");
    publish(kInstalled);
    expectRefused(source.path(), Status::UpToDate, installed + "2026-12-01T00:00:00.");
}

TEST_F(BadSource, AddressThatIsNoSource) {
    EXPECT_THROW(update::UpdateSource("ftp://example.org/defs"), AppError);
    EXPECT_THROW(update::UpdateSource(" "), AppError);
    EXPECT_EQ(update::UpdateSource("https://example.org/defs").fileUrl("maindefs.bdf"),
              QUrl("https://example.org/defs/maindefs.bdf"));
    EXPECT_EQ(update::UpdateSource("/srv/defs/").fileUrl("whatsnew.txt"),
              QUrl::fromLocalFile("/srv/defs/whatsnew.txt"));
}

TEST_F(BadSource, LargerThanTheLimitOrWithAnUnverifiedCertificate) {
    const QByteArray newer = publish(kNewer);
    ASSERT_GT(newer.size(), 1024);
    update::Downloader small(1024);
    const QUrl local = QUrl::fromLocalFile(source.file("maindefs.bdf"));
    try {
        small.fetch(local);
        ADD_FAILURE() << "a file over the limit was taken";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description(), source.file("maindefs.bdf") +
                                           " is larger than 1 kB, more than definitions can be.");
    }
    EXPECT_EQ(update::Downloader(newer.size()).fetch(local), newer);

    TempDir tls;
    ASSERT_TRUE(LocalHttpServer::makeCertificate(tls.file("cert.pem"), tls.file("key.pem")));
    LocalHttpServer secure(source.path(), tls.file("cert.pem"), tls.file("key.pem"));
    ASSERT_TRUE(secure.isRunning());
    expectFailure(secure.url().toString(), "The identity of the server of " +
                                               secure.url().toString() +
                                               "maindefs.bdf could not be verified: ");
}

// A server that takes the connection and never answers.
TEST_F(BadSource, ServerThatNeverAnswersTimesOut) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/maindefs.bdf").arg(silent.serverPort()));
    try {
        update::Downloader(update::Downloader::kMaxBytes, 300).fetch(url);
        ADD_FAILURE() << "a silent server gave a file";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description(), "The download of " + url.toString() + " timed out.");
    }
}

// The editor holds an open document by the lock beside it, or in its runtime folder when it
// cannot write the document's folder: either refuses the update.
TEST_F(UpdateInstall, RefusedWhileTheEditorHoldsTheFile) {
    publish(kNewer);
    const QMap<QString, QByteArray> before = installedState();
    const QString refusal = files.definitions() +
                            " is open in the Sentrel editor or another program; close it there "
                            "and run the update again. (";
    {
        auto open = doc::Document::bind(files.definitions());
        const UpdateOutcome outcome = runUpdate();
        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_TRUE(outcome.reason.startsWith(refusal)) << outcome.reason.toStdString();
        QMap<QString, QByteArray> held = installedState();
        held.remove("maindefs.bdf.lock");
        EXPECT_EQ(held, before);
    }
    {
        QLockFile runtimeLock(doc::document_lock::runtimeLockPathFor(files.definitions()));
        ASSERT_TRUE(runtimeLock.tryLock(0));
        const UpdateOutcome outcome = runUpdate();
        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_TRUE(outcome.reason.startsWith(refusal)) << outcome.reason.toStdString();
        EXPECT_EQ(installedState(), before);
    }
    EXPECT_EQ(keyValue(reg::kOptionsKey, "nextCheck"), "(none)");
    // A runtime lock left empty by a program killed while it took the lock holds nothing.
    const QString runtimeLock = doc::document_lock::runtimeLockPathFor(files.definitions());
    QFile(runtimeLock).open(QIODevice::WriteOnly);
    EXPECT_EQ(runUpdate().status, Status::Updated);
}

}  // namespace
}  // namespace sentrel::test
