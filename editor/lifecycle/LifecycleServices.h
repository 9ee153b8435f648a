#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

#include "document/Document.h"

namespace sentrel::lifecycle {

// The outside operations the lifecycle calls, replaceable so that tests can make them fail
// and so that later parts of the program can fill them in.
struct LifecycleServices {
    // Binds a definitions document (loads it and takes its lock).
    std::function<std::unique_ptr<doc::Document>(const QString& path)> bind = &doc::Document::bind;
    // Saves the document to a path (its own file or a new one); throws AppError on failure.
    std::function<void(doc::Document& document, const QString& path)> save =
        [](doc::Document& document, const QString& path) { document.save(path); };
    // Writes the BDD of the open document to `bddPath`; reports its own failures and
    // answers false for them. By default it does nothing; the main window joins the BDD
    // writer in (MainWindowLifecycle).
    std::function<bool(const QString& bddPath, bool showProgress)> exportFile =
        [](const QString&, bool) { return true; };
    std::function<QDateTime()> now = &QDateTime::currentDateTime;
};

}  // namespace sentrel::lifecycle
