#pragma once

#include <QString>
#include <optional>

#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::lifecycle {

struct LifecycleContext;

// Saving the open definition file: Save, Save As and Compact, with the merge file and the
// BDD kept in step. A save that fails leaves the file marked as changed, Save enabled and
// the unsaved merge records in the temporary merge file.
class DocumentSaver {
  public:
    explicit DocumentSaver(LifecycleContext& context) : context_(context) {}

    // True when the document was saved (a new file and the master file go to Save As).
    bool SaveFile();
    // True when the document was saved under the chosen name; false when it failed or the
    // user chose no name.
    bool SaveFileAs();
    void CompactFile();
    // Moves the temporary merge file's records into `target`, after the content of
    // `source` and the records pending for it (all records, or the first `count` bytes of
    // them). On failure it shows "Error during merge save" once, saying where the records
    // are kept (the target's pending file, else still the temporary merge file), and answers
    // false.
    bool AppendMergeTemp(const QString& target, const QString& source, qint64 count = -1);

  private:
    bool mustSaveAs() const;
    std::optional<QString> chooseTarget();
    std::optional<AppError> saveToOwnFile();
    std::optional<AppError> stampAndSave(int minorBefore);
    void finishSave();
    void afterFailedSave(const MessageRequest& message);
    void exportBesides(const QString& path);
    void compactThroughScratch(const QString& scratch);
    void recoverFromFailedCompact(const QString& scratch);
    void keepUnmoved(const AppError& error, const QString& target, qint64 count);

    LifecycleContext& context_;
};

}  // namespace sentrel::lifecycle
