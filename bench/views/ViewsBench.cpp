// Measures the browser views and the property operations on the synthetic definitions
// document of the document benchmark (20,000 types, 150 user properties, 2,000 filters).
// Targets: building the views <= 1 s; showing another node (incremental refresh) <= 20 ms;
// adding a property to every type (at the root) <= 1 s. The last two figures are taken in
// the real main window too (offscreen), where the command bar and quick-find box follow.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "document/Document.h"
#include "document/testing/SyntheticDocument.h"
#include "editing/EditHost.h"
#include "editing/PropFormFields.h"
#include "editing/PropertyOperations.h"
#include "editor/views/BrowserViews.h"
#ifdef SENTREL_BENCH_WINDOW
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#endif
#include "editor/views/ViewHost.h"
#include "shell/ScriptedInteraction.h"

using namespace sentrel;

namespace {

// A main window that only counts what it is told.
class QuietWindow : public views::ViewHost, public editing::EditHost {
  public:
    explicit QuietWindow(doc::Document& document) : document_(document) {}
    void setCommandEnabled(const QString&, bool) override {}
    void setStatusText(const QString&, const QString&) override {}
    void setPropertyListTitle(const QString&) override {}
    void setQuickFindEntries(const QStringList&) override {}
    void showQuickFindEntry(const QString&) override {}
    doc::Document& document() override { return document_; }
    Interaction& interaction() override { return script; }
    QString dateStamp() const override { return QStringLiteral("2026-12-06T10:00:00"); }
    void writeMergeRecord(int, const std::array<QString, 5>&) override { ++records; }
    void markModified() override {}
    void setFilterDialogStale() override {}

    ScriptedInteraction script;
    int records = 0;

  private:
    doc::Document& document_;
};

struct Subject {
    std::unique_ptr<doc::Document> document = doc::testing::buildSyntheticDocument();
    QuietWindow window{*document};
    views::BrowserViews views{window};
    editing::PropertyOperations operations{window, views};

    void build() {
        QString lastEntry;
        views.buildViews(*document, lastEntry);
    }
};

void BM_BuildViews(benchmark::State& state) {
    Subject subject;
    for (auto _ : state) subject.build();
    state.counters["nodes"] = subject.views.tree().nodeCount();
    state.counters["filters"] = subject.views.filterList().size();
}

void BM_RefreshAnotherNode(benchmark::State& state) {
    Subject subject;
    subject.build();
    int i = 0;
    for (auto _ : state) {
        // Alternate between two nodes deep in the tree so that every call shows a new one.
        subject.views.refreshNode(i++ % 2 ? QStringLiteral("b19999") : QStringLiteral("b12345"),
                                  false);
    }
    state.counters["rows"] = subject.views.propertyList().size();
}

void BM_AddPropertyToEveryType(benchmark::State& state) {
    Subject subject;
    subject.build();
    int n = 0;
    for (auto _ : state) {
        subject.window.script.answerDialog(
            {{editing::propform::kName, QStringLiteral("benchProp%1").arg(n++)},
             {editing::propform::kDataType, QStringLiteral("String")},
             {editing::propform::kValue, QStringLiteral("every")}});
        subject.operations.addProperty();  // the root is selected after the build
    }
    state.counters["types"] = static_cast<double>(subject.document->types().size());
}

#ifdef SENTREL_BENCH_WINDOW
// The views in the main window, the synthetic document open in the file state.
struct WindowSubject {
    ScriptedInteraction script;
    editor::frmMain window{script};
    std::unique_ptr<doc::Document> internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring{script, window,
                                          [this] { return &internal->lru().bdfName; }};
    views::MainWindowViews panes{window, wiring.lifecycle(), wiring.view(), script, {}};

    WindowSubject() {
        wiring.lifecycle().state().documentSlot() = doc::testing::buildSyntheticDocument();
        window.resize(1200, 800);
        window.show();
        QString lastEntry;
        panes.views().buildViews(*wiring.lifecycle().state().document(), lastEntry);
        QApplication::processEvents();
    }
};

void BM_BuildViewsInWindow(benchmark::State& state) {
    WindowSubject subject;
    doc::Document& document = *subject.wiring.lifecycle().state().document();
    for (auto _ : state) {
        QString lastEntry;
        subject.panes.views().buildViews(document, lastEntry);
        QApplication::processEvents();
    }
}

void BM_ShowAnotherNodeInWindow(benchmark::State& state) {
    WindowSubject subject;
    views::BrowserViews& views = subject.panes.views();
    int i = 0;
    for (auto _ : state) {
        views.quickFindChosen(i++ % 2 ? QStringLiteral("Browser 19999")
                                      : QStringLiteral("Browser 12345"));
        QApplication::processEvents();
    }
}
#endif

}  // namespace

BENCHMARK(BM_BuildViews)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAnotherNode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPropertyToEveryType)->Unit(benchmark::kMillisecond)->Iterations(5);
#ifdef SENTREL_BENCH_WINDOW
BENCHMARK(BM_BuildViewsInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ShowAnotherNodeInWindow)->Unit(benchmark::kMillisecond);
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
