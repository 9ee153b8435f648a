#pragma once

#include <functional>

#include "document/merge/ReplayReport.h"
#include "editor/lifecycle/FileLifecycle.h"

namespace sentrel::lifecycle {

// "Merge customizations": replays a merge file (the customizations journalled for some
// definition file) onto the open document as ordinary edits. Each applied record is
// journalled again in "merge.tmp", so the merged changes reach the open file's own merge
// file on save; records that change nothing are not journalled, so merging a file's own
// merge file adds nothing. When anything was applied the file is marked modified and the
// views are rebuilt once. The user is reached through the interaction; the report goes to
// `showReport` (the main window shows it in a window that can save it).
class MergeCustomizations {
  public:
    using ReportSink = std::function<void(const doc::ReplayReport&)>;

    MergeCustomizations(Interaction& interaction, FileLifecycle& file, LifecycleView& view,
                        ReportSink showReport);

    // The command: with no file open says that one is needed; otherwise asks for the merge
    // file and merges it.
    void run();
    // Merges the merge file at `path` into the open document.
    void merge(const QString& path);

    static inline const QString kTitle = QStringLiteral("Merge customizations");

  private:
    std::optional<QString> chooseMergeFile();
    void replay(const QString& path);
    // Journals the records of `records` that apply to `document`, all in one write; throws
    // AppError (nothing journalled) when that fails.
    void journalAppliedRecords(doc::Document& document, const QByteArray& records);
    void afterChanges();

    Interaction& interaction_;
    FileLifecycle& file_;
    LifecycleView& view_;
    ReportSink showReport_;
};

}  // namespace sentrel::lifecycle
