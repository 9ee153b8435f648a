// Detection speed: real user agents from Debian's uap-core test data against a synthetic BDD
// of 20,000 entries made from those agents and against the shipped definitions (data/), plus
// loading, instance creation and worst cases.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <unordered_set>

#include "BddText.h"
#include "UserAgentSamples.h"
#include "detect/BddReader.h"
#include "detect/BrowserObj.h"
#include "detect/Definitions.h"
#include "detect/Pattern.h"
#include "detect/Utf8.h"

using namespace sentrel::detect;

namespace {

constexpr size_t kEntries = 20000;

// Stand-in agents so that loading and instance figures exist without uap-core.
std::vector<std::string> syntheticAgents(size_t count) {
    std::vector<std::string> agents;
    for (size_t i = 0; i < count; ++i) {
        agents.push_back("Mozilla/5.0 (X11; Linux; Model" + std::to_string(i % 997) + ") Engine/" +
                         std::to_string(i % 53) + ".0 Product" + std::to_string(i) + "/" +
                         std::to_string(i % 120) + ".1");
    }
    return agents;
}

struct Fixture {
    std::vector<std::string> uapAgents = bench::loadUapCoreAgents();
    std::vector<std::string> agents;  // uap-core agents, or stand-ins
    std::string bddBytes;
    std::string bddPath;

    Fixture() {
        agents = uapAgents.empty() ? syntheticAgents(kEntries) : uapAgents;
        test::BddText bdd;
        bdd.property("Browser").property("Version").property("Crawler", 2).property("Width", 1);
        bdd.entry("DefaultBrowser", "", "None",
                  {{"Browser", "Default"}, {"Version", "0"}, {"Crawler", "False"}});
        for (const char* generic : {"Mozilla/5.0*", "*Chrome/*Safari/*", "*bot*", "*Firefox/*"}) {
            bdd.entry(std::string("Generic ") + generic, generic, "DefaultBrowser",
                      {{"Browser", generic}});
        }
        std::unordered_set<std::string> patterns;
        for (size_t i = 0; i < agents.size() && patterns.size() < kEntries; ++i) {
            std::string pattern = bench::patternFor(agents[i], i % 2 == 0);
            if (!patterns.insert(pattern).second) continue;
            bdd.entry("B" + std::to_string(i), pattern, "DefaultBrowser",
                      {{"Browser", "Browser " + std::to_string(i)}, {"Version", "1.0"}});
        }
        bdd.filter("UA", "", "Crawler", "*bot*", "True");
        bdd.filter("Cookie", "width", "Width", "#*", "*", 2);
        bddBytes = bdd.scrambled();
        bddPath = (std::filesystem::temp_directory_path() / "sentrel-detect-bench.bdd").string();
        bdd.writeTo(bddPath);
        std::cout << "uap-core agents: " << uapAgents.size()
                  << ", BDD entries: " << patterns.size() + 5 << ", BDD size: " << bddBytes.size()
                  << " bytes\n";
    }
    ~Fixture() { std::remove(bddPath.c_str()); }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

// The uap-core agents, or nullptr with the benchmark marked as skipped.
const std::vector<std::string>* uapAgentsFor(benchmark::State& state) {
    const std::vector<std::string>& agents = fixture().uapAgents;
    if (!agents.empty()) return &agents;
    state.SkipWithError("uap-core test data not installed (apt-get install uap-core)");
    return nullptr;
}

// The definitions shipped in data/ (maindefs.bdd, generated from data/definitions).
const std::string kShippedBdd = SENTREL_DATA_DIR "/maindefs.bdd";

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void detectUapCoreAgents(benchmark::State& state, const std::string& bddPath) {
    const std::vector<std::string>* agents = uapAgentsFor(state);
    if (!agents) return;
    BrowserObj browser;
    browser.DataFile(bddPath);
    size_t next = 0;
    int64_t matched = 0;
    for (auto _ : state) {
        browser.Initialize((*agents)[next]);
        matched += browser.InternalName() != "DefaultBrowser";
        if (++next == agents->size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
    const double share = static_cast<double>(matched) /
                         static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["matched%"] = benchmark::Counter(100.0 * share, benchmark::Counter::kAvgThreads);
}

void BM_DetectUapCoreAgents(benchmark::State& state) {
    detectUapCoreAgents(state, fixture().bddPath);
}
BENCHMARK(BM_DetectUapCoreAgents)->Unit(benchmark::kMicrosecond)->ThreadRange(1, 2);

// The same agents against the shipped definitions, with their filters.
void BM_DetectUapCoreAgentsShipped(benchmark::State& state) {
    detectUapCoreAgents(state, kShippedBdd);
}
BENCHMARK(BM_DetectUapCoreAgentsShipped)->Unit(benchmark::kMicrosecond)->ThreadRange(1, 2);

// Detection as BrowserObj runs it, with the user agent folded by Unicode's simple folding
// or by ASCII letters only (all the folding there was before), in one run so that the cost of
// full folding shows on the same machine at the same moment. Best run with
// --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true.
void BM_DetectUapCoreAgentsFolded(benchmark::State& state, Folding folding) {
    const std::vector<std::string>* agents = uapAgentsFor(state);
    if (!agents) return;
    BrowserObj browser;
    browser.DataFile(fixture().bddPath);
    const Definitions& definitions = *browser.definitions();
    EntryIndex::Scratch scratch;
    std::u32string folded;
    size_t next = 0;
    for (auto _ : state) {
        decodeUtf8((*agents)[next], folded, folding);
        benchmark::DoNotOptimize(&definitions.detectPrepared(folded, scratch));
        if (++next == agents->size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_DetectUapCoreAgentsFolded, ascii_only, Folding::AsciiOnly)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DetectUapCoreAgentsFolded, simple, Folding::Simple)
    ->Unit(benchmark::kMicrosecond);

// Decoding and folding alone, over the same agents.
void BM_FoldUapCoreAgents(benchmark::State& state, Folding folding) {
    const std::vector<std::string>* agents = uapAgentsFor(state);
    if (!agents) return;
    std::u32string folded;
    size_t next = 0;
    for (auto _ : state) {
        decodeUtf8((*agents)[next], folded, folding);
        benchmark::DoNotOptimize(folded.data());
        if (++next == agents->size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_FoldUapCoreAgents, ascii_only, Folding::AsciiOnly)
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_FoldUapCoreAgents, simple, Folding::Simple)->Unit(benchmark::kNanosecond);

void BM_DetectHugeAgent(benchmark::State& state) {
    BrowserObj browser;
    browser.DataFile(fixture().bddPath);
    std::string agent = "Mozilla/5.0 (" + std::string(100 * 1024, 'x') + ") Chrome/1 Safari/1";
    for (auto _ : state) browser.Initialize(agent);
}
BENCHMARK(BM_DetectHugeAgent)->Unit(benchmark::kMillisecond);

void BM_PatternManyStarsHugeText(benchmark::State& state) {
    std::string pattern;
    for (int i = 0; i < 50; ++i) pattern += "*a";
    const Pattern compiled(pattern + "*b");
    const std::string text(100 * 1024, 'a');
    for (auto _ : state) benchmark::DoNotOptimize(compiled.matches(text));
}
BENCHMARK(BM_PatternManyStarsHugeText)->Unit(benchmark::kMillisecond);

void loadBdd(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        Definitions definitions(BddReader::readBytes(bytes, "bench.bdd"));
        benchmark::DoNotOptimize(definitions.properties().size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_LoadBdd(benchmark::State& state) {
    loadBdd(state, fixture().bddBytes);
}
BENCHMARK(BM_LoadBdd)->Unit(benchmark::kMillisecond);

void BM_LoadShippedBdd(benchmark::State& state) {
    loadBdd(state, fileBytes(kShippedBdd));
}
BENCHMARK(BM_LoadShippedBdd)->Unit(benchmark::kMillisecond);

void BM_NewInstanceOverLoadedFile(benchmark::State& state) {
    const std::string& path = fixture().bddPath;
    BrowserObj warm;
    warm.DataFile(path);
    for (auto _ : state) {
        BrowserObj browser;
        browser.DataFile(path);
        benchmark::DoNotOptimize(browser.definitions().get());
    }
}
BENCHMARK(BM_NewInstanceOverLoadedFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
