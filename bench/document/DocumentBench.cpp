// Builds a synthetic definitions document (20,000 types nested in a tree, 150 user
// properties, about 10 own values per type, 2,000 filters), then measures saving it,
// binding it again and enumerating every type's values, and prints the peak memory.
// Targets on the development machine: bind <= 0.5 s, save <= 0.5 s, peak <= 300 MB.
// The DeepChain cases do the same on 100,000 types each deriving from the one before: loading
// it and reading every type's kind (what `sentrel-bdf info` does) or every value (export)
// must take time in proportion to the number of types: on the development machine about a
// second to load, a fraction of that to read (a walk up the chain per value took minutes).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "document/Document.h"
#include "document/testing/SyntheticDocument.h"

using namespace sentrel::doc;

namespace {

struct Subject {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("synthetic.bdf"));
    std::unique_ptr<Document> document = testing::buildSyntheticDocument();
    Subject() { document->save(path); }
};

Subject& subject() {
    static Subject instance;
    return instance;
}

void BM_Build(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(testing::buildSyntheticDocument());
}

void BM_Save(benchmark::State& state) {
    Subject& s = subject();
    for (auto _ : state) s.document->save(s.path);
    state.counters["bytes"] = static_cast<double>(QFileInfo(s.path).size());
}

void BM_Bind(benchmark::State& state) {
    Subject& s = subject();
    for (auto _ : state) {
        auto bound = Document::bind(s.path);
        benchmark::DoNotOptimize(bound.get());
    }
}

// Reads every value of every type, one Path() call each; answers how many are not empty.
qsizetype countNonEmptyValues(Document& document) {
    qsizetype values = 0;
    for (const QString& name : document.types()) {
        const TypeObject& type = document.Path(name);
        for (const QString& parameter : type.enumerate()) {
            values += type.Path(parameter).isEmpty() ? 0 : 1;
        }
    }
    return values;
}

void BM_EnumerateValues(benchmark::State& state) {
    auto document = Document::load(subject().path);
    qsizetype values = 0;
    for (auto _ : state) values = countNonEmptyValues(*document);
    state.counters["non-empty values"] = static_cast<double>(values);
}

// The same walk through TypeObject::values(), one call per type.
void BM_EnumerateValuesAtOnce(benchmark::State& state) {
    auto document = Document::load(subject().path);
    qsizetype values = 0;
    for (auto _ : state) {
        values = 0;
        for (const QString& name : document->types()) {
            for (const QString& value : document->Path(name).values()) {
                values += value.isEmpty() ? 0 : 1;
            }
        }
    }
    state.counters["non-empty values"] = static_cast<double>(values);
}

// 100,000 types, each deriving from the one before, saved to a file.
struct DeepChain {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("deep.bdf"));
    DeepChain() {
        testing::buildSyntheticDocument(testing::SyntheticShape::chain(100000))->save(path);
    }
};

DeepChain& deepChain() {
    static DeepChain instance;
    return instance;
}

void BM_DeepChainLoad(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Document::load(deepChain().path));
}

void BM_DeepChainReadKinds(benchmark::State& state) {
    auto document = Document::load(deepChain().path);
    qsizetype folders = 0;
    for (auto _ : state) {
        document->DefaultBrowser().SetParamDefValue("i__type", "2");  // drops what was learnt
        folders = 0;
        for (const QString& name : document->types()) {
            const TypeObject& type = document->Path(name);
            if (type.hasParameter("i__type") && type.Path("i__type") == "2") ++folders;
        }
    }
    state.counters["folders"] = static_cast<double>(folders);
}

void BM_DeepChainReadEveryValue(benchmark::State& state) {
    auto document = Document::load(deepChain().path);
    qsizetype values = 0;
    for (auto _ : state) {
        document->AddInheritedType(QStringLiteral("extra%1").arg(values), "DefaultBrowser");
        values = countNonEmptyValues(*document);
    }
    state.counters["non-empty values"] = static_cast<double>(values);
}

}  // namespace

BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Bind)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EnumerateValues)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_EnumerateValuesAtOnce)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeepChainLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeepChainReadKinds)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeepChainReadEveryValue)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (ru_maxrss): %.1f MB (target <= 300 MB)\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
