// Measures how well the shipped definitions detect real user agents: runs the detection
// library over the labelled agents of Debian's uap-core test data and prints, per family and
// overall, how often Browser agrees with the expected family (through the equivalence table
// browser-families.tsv), how often majorver equals the expected major version where the family
// agrees, and how often Platform agrees with the expected OS family of tests/test_os.yaml
// (os-families.tsv). A family missing from the table counts as a miss.
//
//   detect_quality [--bdd FILE] [--uap FOLDER] [--all] [--misses FAMILY]...
//
// --all prints every family, not only those of the table; --misses lists the agents of a
// family (browser or OS) that were not recognised, with what was detected instead.
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>

#include "EquivalenceTable.h"
#include "LabelledAgents.h"
#include "detect/BrowserObj.h"
#include "detect/DetectError.h"

using namespace sentrel::detect;
using namespace sentrel::detect::quality;

namespace {

struct Options {
    std::string bdd = SENTREL_DATA_DIR "/maindefs.bdd";
    std::string uap = "/usr/share/uap-core";
    bool all = false;
    std::set<std::string> misses;
};

struct Tally {
    int agents = 0;
    int agreed = 0;
    int withMajor = 0;  // agreed agents with an expected major version
    int majorAgreed = 0;

    void add(const Tally& other) {
        agents += other.agents;
        agreed += other.agreed;
        withMajor += other.withMajor;
        majorAgreed += other.majorAgreed;
    }
};

double percent(int part, int whole) {
    return whole == 0 ? 0.0 : 100.0 * part / whole;
}

bool agrees(const BrowserObj& browser, const Equivalent& equivalent, const char* property) {
    if (browser.value(property) != equivalent.value) return false;
    return equivalent.conditionProperty.empty() ||
           browser.value(equivalent.conditionProperty) == equivalent.conditionValue;
}

void printMiss(const LabelledAgent& labelled, const BrowserObj& browser, const char* property) {
    std::cout << "  miss " << labelled.family << " " << labelled.major << " -> "
              << browser.value(property) << " " << browser.value("majorver") << " ("
              << browser.InternalName() << "): " << labelled.userAgent << '\n';
}

void printRow(const std::string& name, const Tally& tally) {
    std::printf("%-32s %6d %7.1f%%", name.c_str(), tally.agents,
                percent(tally.agreed, tally.agents));
    if (tally.withMajor > 0) {
        std::printf("   majorver %6.1f%% of %d", percent(tally.majorAgreed, tally.withMajor),
                    tally.withMajor);
    }
    std::printf("\n");
}

void measureBrowsers(BrowserObj& browser, const Options& options) {
    const auto table = loadEquivalenceTable(SENTREL_QUALITY_DIR "/browser-families.tsv");
    std::map<std::string, Tally> families;
    for (const LabelledAgent& labelled : loadBrowserCases(options.uap)) {
        browser.Initialize(labelled.userAgent);
        Tally& tally = families[labelled.family];
        ++tally.agents;
        const auto equivalent = table.find(labelled.family);
        if (equivalent == table.end() || !agrees(browser, equivalent->second, "Browser")) {
            if (options.misses.count(labelled.family)) printMiss(labelled, browser, "Browser");
            continue;
        }
        ++tally.agreed;
        if (labelled.major.empty()) continue;
        ++tally.withMajor;
        tally.majorAgreed += browser.value("majorver") == labelled.major;
        if (browser.value("majorver") != labelled.major && options.misses.count(labelled.family))
            printMiss(labelled, browser, "Browser");
    }

    std::printf("%-32s %6s %8s\n", "uap-core family", "agents", "Browser");
    Tally major, all, untabled;
    for (const auto& [family, tally] : families) {
        const auto equivalent = table.find(family);
        const bool isMajor = equivalent != table.end() && equivalent->second.major;
        if (isMajor) major.add(tally);
        if (equivalent == table.end()) untabled.add(tally);
        all.add(tally);
        if (options.all || equivalent != table.end()) printRow(family, tally);
    }
    std::printf("\n");
    printRow("families without an equivalent", untabled);
    printRow("major families", major);
    printRow("all labelled agents", all);
}

void measurePlatforms(BrowserObj& browser, const Options& options) {
    const auto table = loadEquivalenceTable(SENTREL_QUALITY_DIR "/os-families.tsv");
    std::map<std::string, Tally> families;
    for (const LabelledAgent& labelled : loadOsCases(options.uap)) {
        const auto equivalent = table.find(labelled.family);
        if (equivalent == table.end()) continue;
        browser.Initialize(labelled.userAgent);
        Tally& tally = families[labelled.family];
        ++tally.agents;
        if (agrees(browser, equivalent->second, "Platform")) {
            ++tally.agreed;
        } else if (options.misses.count(labelled.family)) {
            printMiss(labelled, browser, "Platform");
        }
    }
    std::printf("\n%-32s %6s %8s\n", "uap-core OS family", "agents", "Platform");
    Tally all;
    for (const auto& [family, tally] : families) {
        printRow(family, tally);
        all.add(tally);
    }
    printRow("all measured OS families", all);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--bdd" && hasValue) {
            options.bdd = argv[++i];
        } else if (argument == "--uap" && hasValue) {
            options.uap = argv[++i];
        } else if (argument == "--misses" && hasValue) {
            options.misses.insert(argv[++i]);
        } else if (argument == "--all") {
            options.all = true;
        } else {
            throw std::runtime_error(
                "usage: detect_quality [--bdd FILE] [--uap FOLDER] [--all] "
                "[--misses FAMILY]...");
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        BrowserObj browser;
        browser.DataFile(options.bdd);
        std::cout << "Definitions: " << options.bdd << "\nTest data: " << options.uap << "\n\n";
        measureBrowsers(browser, options);
        measurePlatforms(browser, options);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
