#pragma once

#include <gtest/gtest.h>

#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/ReportingTabs.h"
#include "shell/ScriptedInteraction.h"
#include "support/MessagePrinter.h"
#include "support/TempDir.h"

namespace sentrel::test {

// The end of the failure messages whose OK keeps the settings and Cancel goes back.
inline const QString kSaveAnyway =
    "\r\rClick on 'OK' to save the current settings anyway, or\rclick on 'Cancel' to adjust the "
    "settings and try again.";

// The reporting tabs over a fresh option store (base directory: a temporary folder), the
// reports service on this server, no server sources of the machine; the host records the
// busy pointer and the addresses opened in the browser.
class ReportingTabsFixture : public ::testing::Test {
  protected:
    ReportingTabsFixture();

    // The file kind with `path`, as typed into the tab.
    void useFile(const QString& path);
    // The server kind with a password login, as typed into the tab.
    void useServer(const QString& server, const QString& user, const QString& password,
                   const QString& database, const QString& owner);
    // The status line as ShowState shows it now.
    QString status() { return tabs.ShowState().status; }

    TempDir dir;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
    OptionStore options{registry, dir.path()};
    OptionsHost host;
    ReportingTabs tabs{options, ui, host};
    QList<bool> busyCalls;
    QStringList openedUrls;
};

}  // namespace sentrel::test
