#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "document/Document.h"

namespace sentrel::app {

// The program's own document "intdata.dtl" in the base directory. It is bound (and so
// locked against every other copy of the program) from start-up until the main window
// unloads; it holds the recent-files list.
class InternalData {
  public:
    using Binder = std::function<std::unique_ptr<doc::Document>(const QString& path)>;

    static inline const QString kFileName = QStringLiteral("intdata.dtl");
    static inline const QString kRefreshName = QStringLiteral("intmp.dtx");
    // The base directory exists but this account cannot write it: the internal data, the
    // temporary merge file and the pending merge records could not be kept.
    static constexpr int kErrBaseDirectoryNotWritable = 1061;

    explicit InternalData(Binder binder = &doc::Document::bind);

    // Binds base directory + "/intdata.dtl"; throws AppError when the bind fails, and
    // kErrBaseDirectoryNotWritable (naming the folder) before it when the folder exists but
    // cannot be written.
    void bind(const QString& baseDirectory);
    // Rewrites the document through "intmp.dtx": saved there, released, bound again from
    // there and saved back to "intdata.dtl", which stays bound; "intmp.dtx" is removed, also
    // when a step fails (the failure is then thrown on).
    void refresh();
    // Saves the document, revokes and releases it; a failing save is thrown after the
    // release, so the lock never outlives the program.
    void release();

    bool isBound() const { return document_ != nullptr; }
    doc::Document* document() const { return document_.get(); }

  private:
    QString pathOf(const QString& name) const;
    void releaseDocument();

    Binder binder_;
    QString baseDirectory_;
    std::unique_ptr<doc::Document> document_;
};

}  // namespace sentrel::app
