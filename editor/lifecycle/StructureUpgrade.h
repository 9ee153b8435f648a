#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "document/Document.h"
#include "editor/lifecycle/LifecycleContext.h"

namespace sentrel::lifecycle {

class LifecycleView;

// Brings a definitions document of an older internal structure (0: no "Internals"; 1; 2) up
// to the current structure 3 in one pass, keeping the filters in their order, and writes
// the result back to its file before anything is shown.
class StructureUpgrade {
  public:
    static constexpr int kCurrentStructure = 3;

    // The document is saved and bound again through `services`.
    StructureUpgrade(LifecycleView& view, LifecycleServices& services);

    // Upgrades `document` (bound to `path`) when its structure is below 3, saves it, and
    // binds the path again into `document`. `filtersUnsorted` is the open file's filter
    // mark. Errors of the single steps are ignored, as an older file may lack any part;
    // false when the upgraded file could not be saved or bound again (the file on disk is
    // then unchanged or whole, and `document` may be null).
    bool upgradeBDF(std::unique_ptr<doc::Document>& document, const QString& path,
                    bool& filtersUnsorted);

    // The structure the document declares; 0 when it cannot be read.
    static int structureOf(doc::Document& document);

  private:
    void fromStructure0(doc::Document& document);
    void fromStructure1(doc::Document& document, bool& filtersUnsorted);
    void fromStructure2(doc::Document& document);
    bool saveAndBindAgain(std::unique_ptr<doc::Document>& document, const QString& path);

    LifecycleView& view_;
    LifecycleServices& services_;
};

}  // namespace sentrel::lifecycle
