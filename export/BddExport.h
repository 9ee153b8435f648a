#pragma once

#include <QString>
#include <functional>

#include "export/BddVersion.h"
#include "export/ExportStatus.h"

namespace sentrel {
class AppError;
class Interaction;
namespace doc {
class Document;
}
}  // namespace sentrel

namespace sentrel::exporting {

// The export of the open definitions to a BDD file, as File > Export, Save and the Hit
// Tester run it. It reaches the user only through the interaction (chooser and messages)
// and the status sink (busy pointer, status text), so the main window wires it with its
// own objects:
//
//   BddExport exporter(interaction, statusSink);
//   exporter.setFilterSort([&] { if (filtersUnsorted) sortFilters(); });
//   exporter.ExportFile(document, version, "", true);          // File > Export
//   exporter.ExportFile(document, version, bddPathFor(file), true);  // after Save
//
// Failures are reported to the user and the previous file at the target stays whole.
class BddExport {
  public:
    static inline const QString kChooserTitle = QStringLiteral("Export BDF To");
    static inline const QString kChooserFilter = QStringLiteral("Browser definition data (*.bdd)");
    static inline const QString kProgressText = QStringLiteral("Exporting to BDD...");

    BddExport(Interaction& interaction, ExportStatus& status);

    // Run before every export: sorts the filters when they are marked unsorted (and clears
    // the mark). The BDD lists the filters by priority either way.
    void setFilterSort(std::function<void()> sortPendingFilters);

    // Writes the BDD of `document` to `target`; an empty target asks the user for one (and
    // then confirms success with a message). With `showProgress` the status bar shows
    // "Exporting to BDD..." meanwhile. Answers true when the file was written.
    bool ExportFile(doc::Document& document, const BddVersion& version, const QString& target,
                    bool showProgress);

    // The BDD beside a definition file: its path with the last three characters replaced by
    // "bdd" ("/defs/main.bdf" gives "/defs/main.bdd").
    static QString bddPathFor(const QString& definitionFile);

  private:
    QString chooseTarget(const doc::Document& document);
    int writeTarget(doc::Document& document, const BddVersion& version, const QString& target);
    void reportFailure(const AppError& error);
    void reportScrambleFailure(int number);
    void reportSuccess();

    Interaction& interaction_;
    ExportStatus& status_;
    std::function<void()> sortPendingFilters_;
};

}  // namespace sentrel::exporting
