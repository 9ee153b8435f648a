// The download manager's window: the step under way, then the summary and the conflicts, and
// Close offered only once the update has ended.
#include <gtest/gtest.h>

#include <QPushButton>

#include "app/update/UpdateOutcome.h"
#include "app/update/frmUpdate.h"

namespace sentrel::test {
namespace {

TEST(UpdateWindow, ShowsTheStepsThenTheSummaryAndConflicts) {
    update::frmUpdate window("https://defs.example.org/sentrel/");
    EXPECT_EQ(window.windowTitle(), "Sentrel Download Manager");
    EXPECT_FALSE(window.closeButton()->isEnabled());
    window.showStep("Downloading maindefs.bdf from https://defs.example.org/sentrel/...");
    EXPECT_EQ(window.stepText(),
              "Downloading maindefs.bdf from https://defs.example.org/sentrel/...");

    update::UpdateOutcome outcome;
    outcome.status = update::UpdateOutcome::Status::Updated;
    outcome.offeredRelease = QDateTime(QDate(2027, 1, 15), QTime(8, 30));
    outcome.installedRelease = QDateTime(QDate(2026, 12, 1), QTime(0, 0));
    doc::ReplayEntry applied;
    applied.outcome = doc::ReplayOutcome::Applied;
    doc::ReplayEntry conflict;
    conflict.line = 2;
    conflict.reason = "the browser or folder \"gone\" does not exist";
    conflict.text = "5,\"gone\",\"\",\"*Gone*\",\"\",\"\"";
    outcome.replay.entries = {applied, conflict};
    window.showOutcome(outcome);

    EXPECT_EQ(window.stepText(), "The update has ended.");
    EXPECT_EQ(window.reportText(),
              "Updated to release 2027-01-15T08:30:00 (was 2026-12-01T00:00:00); "
              "customizations: 1 applied, 0 already so, 1 conflict.\n"
              "\nThese customizations could not be carried over:\n"
              "line 2: the browser or folder \"gone\" does not exist: "
              "5,\"gone\",\"\",\"*Gone*\",\"\",\"\"\n");
    EXPECT_TRUE(window.closeButton()->isEnabled());
    EXPECT_TRUE(window.closeButton()->isDefault());

    update::UpdateOutcome failed;
    failed.reason = "The download of https://defs.example.org/sentrel/maindefs.bdf timed out.";
    window.showOutcome(failed);
    EXPECT_EQ(window.stepText(), "The update failed.");
    EXPECT_EQ(window.reportText(),
              "Update failed: The download of https://defs.example.org/sentrel/maindefs.bdf "
              "timed out. The installed definitions are unchanged.\n");
}

}  // namespace
}  // namespace sentrel::test
