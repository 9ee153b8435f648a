#include "UserAgentSamples.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unordered_set>

namespace sentrel::detect::bench {

namespace {

constexpr const char* kFolders[] = {"/usr/share/uap-core/tests",
                                    "/usr/share/uap-core/test_resources"};
constexpr std::string_view kKey = "user_agent_string:";

std::vector<std::filesystem::path> yamlFiles() {
    std::vector<std::filesystem::path> files;
    for (const char* folder : kFolders) {
        std::error_code error;
        for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
            if (item.path().extension() == ".yaml") files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string yamlScalar(std::string_view value) {
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.remove_suffix(1);
    if (value.size() < 2 || (value.front() != '\'' && value.front() != '"')) {
        return std::string(value);
    }
    const char quote = value.front();
    value = value.substr(1, value.size() - 2);
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (quote == '\'' && value[i] == '\'' && i + 1 < value.size() && value[i + 1] == '\'') {
            ++i;
        } else if (quote == '"' && value[i] == '\\' && i + 1 < value.size()) {
            ++i;
        }
        out.push_back(value[i]);
    }
    return out;
}

std::vector<std::string> loadUapCoreAgents() {
    std::vector<std::string> agents;
    std::unordered_set<std::string> seen;
    for (const auto& file : yamlFiles()) {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            const size_t key = line.find(kKey);
            if (key == std::string::npos) continue;
            std::string agent = yamlScalar(std::string_view(line).substr(key + kKey.size()));
            if (!agent.empty() && seen.insert(agent).second) agents.push_back(std::move(agent));
        }
    }
    return agents;
}

std::string patternFor(const std::string& agent, bool keepMajor) {
    std::string pattern;
    for (size_t i = 0; i < agent.size();) {
        const auto isDigit = [&](size_t at) { return agent[at] >= '0' && agent[at] <= '9'; };
        if (!isDigit(i)) {
            // Characters special to patterns are written as one-member lists.
            const char c = agent[i++];
            if (c == '*' || c == '?' || c == '#' || c == '[') {
                pattern += std::string("[") + c + "]";
            } else {
                pattern += c;
            }
            continue;
        }
        const size_t start = i;
        while (i < agent.size() && isDigit(i)) ++i;
        const bool majorVersion = start > 0 && agent[start - 1] == '/';
        if (keepMajor && majorVersion) {
            pattern.append(agent, start, i - start);
        } else if (pattern.empty() || pattern.back() != '*') {
            pattern += '*';
        }
    }
    return pattern;
}

}  // namespace sentrel::detect::bench
