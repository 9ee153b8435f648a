#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "document/Document.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsController.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::test {

// A fresh key store of its own (through $SENTREL_REGISTRY), the option store loaded from it,
// and a controller whose host records what the dialog did to the main window.
class OptionsFixture : public ::testing::Test {
  protected:
    OptionsFixture();
    ~OptionsFixture() override;

    // Opens a small definition document at version `major`.`minor`, as the file's opening
    // shows it in the version fields.
    void openDocument(int major, int minor);
    // The options key's values file; empty when nothing was written.
    QByteArray optionsFile() const;
    void writeOptionsFile(const QByteArray& lines) const;
    // The store and controller as a program started afresh would have them.
    void restart();

    TempDir dir;
    bool registryFolderSet;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
    SetupWizardFlags wizard;
    std::unique_ptr<OptionStore> store;
    std::unique_ptr<OptionsController> controller;
    std::unique_ptr<doc::Document> document;

    QStringList versionPanel;  // every text given to the "Version" panel
    int modifiedMarks = 0;     // 1 for each mark made as an edit step, 100 outside one
    int editSteps = 0;         // version writes made as a step of the undo history
    bool inEditStep = false;
    QList<int> helpContexts;
    QList<bool> busyCalls;   // every change of the busy pointer
    QStringList openedUrls;  // every address opened in the browser
};

}  // namespace sentrel::test
