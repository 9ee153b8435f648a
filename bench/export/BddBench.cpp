// Export and detection at scale: one browser entry per distinct user agent of Debian's
// uap-core test data (digit runs generalised to "*"), written with the BDD writer, loaded by
// the detection library and used to detect every agent of the corpus, against a plain scan
// of every pattern in file order. Prints entries, export and load time, detections per
// second, the plain scan's rate and the peak memory.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "UserAgentSamples.h"
#include "app/bdf/sampledata/DefinitionTemplate.h"
#include "detect/BrowserObj.h"
#include "detect/Pattern.h"
#include "detect/Utf8.h"
#include "document/Document.h"
#include "document/Vocabulary.h"
#include "export/BddWriter.h"

using namespace sentrel;
using Clock = std::chrono::steady_clock;

namespace {

constexpr size_t kPlainScanAgents = 300;  // the plain scan is slow: a sample of the corpus
constexpr double kMinimumDetectSeconds = 1.0;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this (single-threaded) process: on a machine busy with other work the
// wall-clock figures grow, these much less.
double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Peak resident memory in MB (VmHWM), and a way to start measuring it afresh.
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::unique_ptr<doc::Document> buildDefinitions(const std::vector<std::string>& agents,
                                                std::vector<std::string>& patterns) {
    auto document = bdf::makeDefinitionTemplate(QDateTime::currentDateTime());
    document->DefaultBrowser().AddParameter("Browser", "String");
    for (size_t i = 0; i < agents.size(); ++i) {
        patterns.push_back(detect::bench::patternFor(agents[i], false));
        doc::TypeObject& entry =
            document->AddInheritedType(QStringLiteral("ua%1").arg(i), mainMod::kRootTypeName);
        entry.SetParamDefValue(mainMod::kTypeParam, mainMod::kTypeBrowser);
        entry.SetParamDefValue(mainMod::kDescriptionParam, QStringLiteral("Agent %1").arg(i));
        entry.SetParamDefValue(mainMod::kUserAgentParam, QString::fromStdString(patterns.back()));
        entry.SetParamDefValue("Browser", QStringLiteral("Browser %1").arg(i));
    }
    return document;
}

// The winner by testing every pattern in file order: most literal characters, first wins ties.
int plainScan(const std::vector<detect::Pattern>& patterns, const std::u32string& folded) {
    int best = -1;
    for (size_t i = 0; i < patterns.size(); ++i) {
        if ((best < 0 || patterns[i].literalCount() > patterns[best].literalCount()) &&
            patterns[i].matchesFolded(folded)) {
            best = static_cast<int>(i);
        }
    }
    return best;
}

struct DetectFigures {
    double perSecond = 0;
    double perCpuSecond = 0;
    size_t matched = 0;  // agents that found an entry other than the default
};

DetectFigures detectAll(detect::BrowserObj& browser, const std::vector<std::string>& agents) {
    DetectFigures figures;
    size_t done = 0;
    const auto start = Clock::now();
    const double cpuStart = cpuSeconds();
    do {
        for (const std::string& agent : agents) {
            browser.Initialize(agent);
            if (done < agents.size()) figures.matched += browser.InternalName() != "DefaultBrowser";
            ++done;
        }
    } while (secondsSince(start) < kMinimumDetectSeconds);
    figures.perSecond = static_cast<double>(done) / secondsSince(start);
    figures.perCpuSecond = static_cast<double>(done) / (cpuSeconds() - cpuStart);
    return figures;
}

// Rate of the plain scan over a sample, and how many of its winners the library agrees with.
double plainScanRate(const std::vector<std::string>& agents,
                     const std::vector<std::string>& patternTexts, detect::BrowserObj& browser,
                     size_t& disagreements) {
    std::vector<detect::Pattern> patterns(patternTexts.begin(), patternTexts.end());
    const size_t step = std::max<size_t>(1, agents.size() / kPlainScanAgents);
    size_t done = 0;
    disagreements = 0;
    const auto start = Clock::now();
    for (size_t a = 0; a < agents.size(); a += step, ++done) {
        const int best = plainScan(patterns, detect::decodeFolded(agents[a]));
        browser.Initialize(agents[a]);
        const std::string expected = best < 0 ? "DefaultBrowser" : "ua" + std::to_string(best);
        disagreements += browser.InternalName() != expected;
    }
    return static_cast<double>(done) / secondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::vector<std::string> agents = detect::bench::loadUapCoreAgents();
    if (agents.empty()) {
        std::printf(
            "uap-core test data not found under /usr/share/uap-core "
            "(apt-get install uap-core); nothing to measure.\n");
        return 0;
    }
    std::vector<std::string> patterns;
    auto start = Clock::now();
    auto document = buildDefinitions(agents, patterns);
    const double buildSeconds = secondsSince(start);

    const QString path = QDir::temp().filePath(QStringLiteral("sentrel-bdd-bench.bdd"));
    start = Clock::now();
    exporting::BddWriter(exporting::BddVersion::of(*document)).writeFile(*document, path);
    const double exportSeconds = secondsSince(start);
    const double megabytes = static_cast<double>(QFileInfo(path).size()) / 1e6;
    document.reset();
    const double peakBuilding = peakMegabytes();
    resetPeak();

    detect::DefinitionsCache cache;
    detect::BrowserObj browser(cache);
    start = Clock::now();
    const double cpuStart = cpuSeconds();
    browser.DataFile(path.toStdString());
    const double loadSeconds = secondsSince(start);
    const double loadCpuSeconds = cpuSeconds() - cpuStart;
    const DetectFigures detected = detectAll(browser, agents);
    const double peakDetecting = peakMegabytes();
    // "--no-plain-scan" leaves the slow scan out, e.g. to profile the detection alone.
    const bool plain = !app.arguments().contains(QStringLiteral("--no-plain-scan"));
    size_t disagreements = 0;
    const double plainRate = plain ? plainScanRate(agents, patterns, browser, disagreements) : 0;
    QFile::remove(path);

    std::printf("entries:                    %zu (+ DefaultBrowser)\n", agents.size());
    std::printf("document built in:          %.2f s\n", buildSeconds);
    std::printf("BDD written in:             %.3f s (%.1f MB)\n", exportSeconds, megabytes);
    std::printf(
        "load time:                  %.3f s, %.3f s of processor time (target at most "
        "0.5 s)\n",
        loadSeconds, loadCpuSeconds);
    std::printf(
        "detections per second:      %.0f single-threaded, %.0f per processor second "
        "(target 500,000)\n",
        detected.perSecond, detected.perCpuSecond);
    std::printf("agents matched an entry:    %zu of %zu\n", detected.matched, agents.size());
    std::printf("plain scan per second:      %.1f (over %zu agents, %zu disagreements)\n",
                plainRate, std::min(agents.size(), kPlainScanAgents), disagreements);
    std::printf("speed-up over plain scan:   %.0fx (target 100x)\n",
                detected.perSecond / plainRate);
    std::printf("peak memory, load+detect:   %.1f MB (target at most 200 MB)\n", peakDetecting);
    std::printf("peak memory, whole run:     %.1f MB (document building included)\n",
                std::max(peakBuilding, peakMegabytes()));
    return 0;
}
