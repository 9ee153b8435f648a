// The sentrel-update program as cron and the editor start it: its arguments, exit statuses
// and output, and a run killed at any moment.
#include <gtest/gtest.h>

#include <signal.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "detect/BddReader.h"
#include "document/Document.h"
#include "registry/KeyPaths.h"
#include "update/ProgramRun.h"
#include "update/UpdateFixture.h"

namespace sentrel::test {
namespace {

class UpdateProgram : public UpdateFixture {
  protected:
    using Result = ProgramRun;
    Result run(const QStringList& arguments) { return ProgramRun::run(keysDir.path(), arguments); }
};

TEST_F(UpdateProgram, HelpAndArgumentsItDoesNotKnow) {
    const Result help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(
        help.out.startsWith("Usage: sentrel-update [--source ADDRESS] [--check | --quiet]\n"))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("  --quiet           Updates without a window"));

    const Result unknown = run({"--bogus"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(
        unknown.err.startsWith("Unknown argument or missing value: \"--bogus\".\n\nUsage:"));
    const Result both = run({"--check", "--quiet"});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(both.err.startsWith("--quiet cannot be combined with the other options."));
    EXPECT_EQ(run({"--source"}).exitCode, 2);
}

TEST_F(UpdateProgram, SourceIsRecordedInTheProductKey) {
    TempDir other;
    publish(kNewer, kUpstreamChanges, other.path());
    const Result check = run({"--source", other.path(), "--check"});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_EQ(check.out,
              "A newer release is available: 2027-01-15T08:30:00 (installed: "
              "2026-12-01T00:00:00).\n");
    EXPECT_EQ(keyValue(reg::kProductKey, "updateSource"), other.path());
    EXPECT_EQ(keyValue(reg::kOptionsKey, "updateSource"), "(none)");

    const Result refused = run({"--source", "ftp://example.org/defs", "--check"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err,
              "[Sentrel Download Manager]\n\"ftp://example.org/defs\" is not an update source: "
              "give a folder, or the http or https address of a folder.\n\n");
    EXPECT_EQ(keyValue(reg::kProductKey, "updateSource"), other.path());
}

TEST_F(UpdateProgram, QuietPrintsOneSummaryLineWithItsExitStatus) {
    const Result failed = run({"--quiet"});  // the source holds nothing yet
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_EQ(failed.out,
              "Update failed: The update source has no such file: " + source.file("maindefs.bdf") +
                  " does not exist. The installed definitions are unchanged.\n");
    EXPECT_EQ(run({"--check"}).exitCode, 2);

    publish(kNewer);
    const Result updated = run({"--quiet"});
    EXPECT_EQ(updated.exitCode, 1) << updated.err.toStdString();  // one conflict
    EXPECT_EQ(updated.out,
              "Updated to release 2027-01-15T08:30:00 (was 2026-12-01T00:00:00); "
              "customizations: 2 applied, 1 already so, 1 conflict.\n");
    EXPECT_EQ(updated.err, "");

    const Result again = run({"--quiet"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out.count('\n'), 1);
    EXPECT_EQ(run({"--check"}).exitCode, 1);
}

// Killed at random moments, the program leaves maindefs.bdf either as it was or as the
// finished update writes it, and its BDD readable; a later run completes the update.
TEST_F(UpdateProgram, KilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    publish(kNewer);
    const QByteArray oldDefinitions = TempDir::read(files.definitions());
    const QByteArray oldBdd = TempDir::read(files.bdd());
    const auto reinstall = [&] {
        base.write("maindefs.bdf", oldDefinitions);
        base.write("maindefs.bdd", oldBdd);
        keys.setInstalledRelease(kInstalled);
    };
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(run({"--quiet"}).exitCode, 1);
    const qint64 wholeRun = clock.elapsed();
    const QByteArray newDefinitions = TempDir::read(files.definitions());
    ASSERT_NE(newDefinitions, oldDefinitions);

    for (int round = 0; round < 12; ++round) {
        reinstall();
        QProcess process;
        ProgramRun::start(process, keysDir.path(), {"--quiet"});
        QThread::msleep(QRandomGenerator::global()->bounded(wholeRun + 1));
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished();
        const QByteArray definitions = TempDir::read(files.definitions());
        EXPECT_TRUE(definitions == oldDefinitions || definitions == newDefinitions)
            << "round " << round << ": a torn maindefs.bdf of " << definitions.size() << " bytes";
        const QByteArray bdd = TempDir::read(files.bdd());
        EXPECT_EQ(detect::BddReader::plainText(std::string_view(bdd.constData(), bdd.size()))
                      .rfind("<?xml", 0),
                  0u)
            << "round " << round;
    }
    reinstall();
    const Result last = run({"--quiet"});
    EXPECT_EQ(last.exitCode, 1) << last.out.toStdString() << last.err.toStdString();
    EXPECT_EQ(TempDir::read(files.definitions()), newDefinitions);
}

}  // namespace
}  // namespace sentrel::test
