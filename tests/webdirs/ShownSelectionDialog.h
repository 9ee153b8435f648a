#pragma once

#include "ApacheTree.h"
#include "reporting/frmWebDirectorySelect.h"
#include "reporting/webdirs/WebDirectorySelect.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::test {

// The web directory selection dialog over a copied Apache configuration, loaded and shown
// (not modally), its messages answered by a script.
struct ShownSelectionDialog {
    explicit ShownSelectionDialog(const ApacheTree& tree)
        : logic(ui, tree.setup(), closedWithSelect), dialog(logic, nullptr) {
        dialog.load();
        dialog.show();
    }

    ScriptedInteraction ui;
    bool closedWithSelect = false;
    webdirs::WebDirectorySelect logic;
    frmWebDirectorySelect dialog;
};

}  // namespace sentrel::test
