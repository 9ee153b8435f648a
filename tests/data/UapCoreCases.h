#pragma once

#include <QString>
#include <vector>

namespace sentrel::test {

// One test case of Debian's uap-core user-agent files.
struct UapCase {
    QString userAgent;
    QString family;
    QString major;
};

// The cases of a uap-core YAML file ("- user_agent_string: ...", "family: ...", "major: ...");
// empty when the file is missing.
std::vector<UapCase> readUapCases(const QString& path);

}  // namespace sentrel::test
