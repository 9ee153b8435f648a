#include "LabelledAgents.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unordered_set>

#include "UserAgentSamples.h"

namespace sentrel::detect::quality {

namespace {

// Reads the value of "key: value" on a line of a test case; false when the line has another key.
bool readKey(const std::string& line, std::string_view key, std::string& value) {
    size_t at = line.find_first_not_of(" -");
    if (at == std::string::npos || line.compare(at, key.size(), key) != 0) return false;
    at += key.size();
    if (at >= line.size() || line[at] != ':') return false;
    value = bench::yamlScalar(std::string_view(line).substr(at + 1));
    return true;
}

// The cases of one file, in order. A case starts at its user_agent_string line.
std::vector<LabelledAgent> readCases(const std::filesystem::path& file) {
    std::vector<LabelledAgent> cases;
    std::ifstream in(file);
    std::string value;
    for (std::string line; std::getline(in, line);) {
        if (readKey(line, "user_agent_string", value)) {
            cases.push_back({value, {}, {}});
        } else if (!cases.empty() && readKey(line, "family", value)) {
            cases.back().family = value;
        } else if (!cases.empty() && readKey(line, "major", value)) {
            cases.back().major = value;
        }
    }
    return cases;
}

void appendLabelled(const std::vector<LabelledAgent>& cases, std::vector<LabelledAgent>& out,
                    std::unordered_set<std::string>& seen) {
    for (const LabelledAgent& labelled : cases) {
        if (labelled.family.empty() || labelled.family == "Other") continue;
        if (seen.insert(labelled.userAgent).second) out.push_back(labelled);
    }
}

}  // namespace

std::vector<LabelledAgent> loadBrowserCases(const std::string& uapFolder) {
    const std::filesystem::path root(uapFolder);
    std::vector<std::filesystem::path> files{root / "tests" / "test_ua.yaml"};
    std::vector<std::filesystem::path> resources;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(root / "test_resources", error)) {
        const auto& path = item.path();
        if (path.extension() == ".yaml" && path.filename() != "additional_os_tests.yaml") {
            resources.push_back(path);
        }
    }
    std::sort(resources.begin(), resources.end());
    files.insert(files.end(), resources.begin(), resources.end());

    std::vector<LabelledAgent> out;
    std::unordered_set<std::string> seen;
    for (const auto& file : files) appendLabelled(readCases(file), out, seen);
    return out;
}

std::vector<LabelledAgent> loadOsCases(const std::string& uapFolder) {
    std::vector<LabelledAgent> out;
    std::unordered_set<std::string> seen;
    appendLabelled(readCases(std::filesystem::path(uapFolder) / "tests" / "test_os.yaml"), out,
                   seen);
    return out;
}

}  // namespace sentrel::detect::quality
