#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "FakeView.h"
#include "document/Document.h"
#include "editor/lifecycle/FileLifecycle.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace sentrel::test {

// A base directory with the blank template, a lifecycle over a fake window, the scripted
// interaction, an option store and an internal data document holding the recent files.
class LifecycleTest : public ::testing::Test {
  protected:
    LifecycleTest();

    // A structure-3 definition file made from the template, with browsers "ie6" and
    // "oldie" (marked deleted) and the filters of `priorities` in that stored order.
    QString makeBdf(const QString& name, const QList<int>& priorities = {});
    // The file opened by path, its merge file created beside it first.
    QString openNew(const QString& name);
    // An edit as the editing operations make it: a value, its merge record, markModified.
    void edit(const QString& value);

    QString path(const QString& name) const { return dir.file(name); }
    QByteArray read(const QString& name) const { return TempDir::read(path(name)); }
    // The titles of the messages shown so far.
    QStringList titles() const;

    // The lifecycle's questions, word for word with their icon, buttons and default button.
    static MessageRequest saveChangesQuestion();
    static MessageRequest exportQuestion();
    static MessageRequest noMergeFileQuestion(const QString& mergeFile);
    QString journal() const { return path(QStringLiteral("merge.tmp")); }

    TempDir dir;
    ScriptedInteraction ui;
    FakeView view;
    reg::mdlRegistry registry{ui, reg::KeyStore(dir.file(QStringLiteral("registry")))};
    OptionStore options{registry, dir.path()};
    std::unique_ptr<doc::Document> internal = doc::Document::create();
    lifecycle::FileLifecycle life{ui, view, [this] { return &internal->lru().bdfName; }};
    lifecycle::OpenFileState& state = life.state();
    QStringList exported;
};

}  // namespace sentrel::test
