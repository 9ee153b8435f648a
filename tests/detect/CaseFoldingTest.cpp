#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "detect/CaseFolding.h"

using namespace sentrel::detect;

namespace {

// The C and S entries of Unicode's CaseFolding.txt, when the unicode-data package is installed.
std::map<char32_t, char32_t> simpleFoldingFromUnicodeData() {
    std::map<char32_t, char32_t> folding;
    std::ifstream in("/usr/share/unicode/CaseFolding.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line.substr(0, line.find('#')));
        std::string code;
        std::string status;
        std::string target;
        if (!std::getline(fields, code, ';') || !std::getline(fields, status, ';') ||
            !std::getline(fields, target, ';')) {
            continue;
        }
        if (status == " C" || status == " S") {
            folding[std::stoul(code, nullptr, 16)] = std::stoul(target, nullptr, 16);
        }
    }
    return folding;
}

}  // namespace

TEST(CaseFolding, AgreesWithUnicodeDataForEveryCodePoint) {
    const auto folding = simpleFoldingFromUnicodeData();
    if (folding.empty()) GTEST_SKIP() << "unicode-data is not installed";
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const auto found = folding.find(c);
        const char32_t expected = found == folding.end() ? c : found->second;
        ASSERT_EQ(uint32_t{foldCase(c)}, uint32_t{expected}) << std::hex << uint32_t{c};
    }
}

TEST(CaseFolding, ImagesOfARangeAreWhatItsCharactersFoldTo) {
    using Ranges = std::vector<std::pair<char32_t, char32_t>>;
    EXPECT_EQ(foldedImages(U'À', U'Þ'), (Ranges{{U'à', U'ö'}, {U'ø', U'þ'}}));  // × has no case
    EXPECT_EQ(foldedImages(0x0101, 0x0104), (Ranges{{0x0103, 0x0103}, {0x0105, 0x0105}}));
    EXPECT_EQ(foldedImages(0x2120, 0x2130), (Ranges{{U'ω', U'ω'}, {U'k', U'k'}, {U'å', U'å'}}));
    EXPECT_EQ(foldedImages(U'a', U'z'), Ranges{});
}
