#pragma once

#include <QString>

class QWidget;

namespace sentrel {
class Interaction;
}

namespace sentrel::codegen {

// Shows the cut/paste dialog modally for the properties to log (names joined with ",") and the
// reports web service address typed in the options. The extended properties are those the
// detection library names, on the definitions installed in the base directory.
//
//   CodeCutPasteCommand showCode{&interaction, options.baseDirectory(), mainWindow};
//   showCode(selectedProperties, srwsUrl);
struct CodeCutPasteCommand {
    Interaction* interaction = nullptr;
    QString baseDirectory;
    QWidget* parent = nullptr;

    void operator()(const QString& propertiesToLog, const QString& srwsLocation) const;

    // The definitions file the extended properties are read from.
    QString definitionsFile() const { return baseDirectory + QStringLiteral("/maindefs.bdd"); }
};

}  // namespace sentrel::codegen
