#include <gtest/gtest.h>

#include <QFile>

#include "codegen/CodeCutPaste.h"
#include "codegen/ExtendedPropertyList.h"
#include "shell/ScriptedInteraction.h"

namespace sentrel::codegen {
namespace {

struct GoldenCase {
    CodeLanguage language;
    const char* file;  // under golden/, written from the language's template by hand
    const char* propertiesToLog;
};

constexpr const char* kPlain = "Browser,Version,Platform,OSName,OSVersion";
constexpr const char* kExtended =
    "Browser,Plugin_Custom,Version,OpenPorts,FontsInstalled,Country,MSJVMBuild";

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.file;
}

class GoldenCode : public ::testing::TestWithParam<GoldenCase> {};

QByteArray expectedPage(const char* file) {
    QFile golden(QStringLiteral(SENTREL_GOLDEN_DIR "/") + QLatin1String(file));
    EXPECT_TRUE(golden.open(QIODevice::ReadOnly)) << file;
    return golden.readAll();
}

// The whole page, byte for byte: lines chosen by their conditions, every placeholder filled
// in, CR LF after every line. The extended case lists the names in the order they were
// selected and holds every conditional line; the plain case holds none of them.
TEST_P(GoldenCode, PageMatchesItsTemplateByteForByte) {
    ScriptedInteraction ui;
    CodeCutPaste form(ui, QLatin1String(GetParam().propertiesToLog),
                      QStringLiteral("http://reports.example.com/srws/"), &isExtProperty);
    form.setDateText([] { return QStringLiteral("12/6/2026 11:34:05 PM"); });
    form.activate();
    form.chooseLanguage(GetParam().language);
    EXPECT_EQ(form.code().toUtf8(), expectedPage(GetParam().file));
    EXPECT_TRUE(ui.events().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryLanguage, GoldenCode,
    ::testing::Values(GoldenCase{CodeLanguage::ClassicASP, "classic-asp-plain.txt", kPlain},
                      GoldenCase{CodeLanguage::ClassicASP, "classic-asp-extended.txt", kExtended},
                      GoldenCase{CodeLanguage::CSharp, "csharp-plain.txt", kPlain},
                      GoldenCase{CodeLanguage::CSharp, "csharp-extended.txt", kExtended},
                      GoldenCase{CodeLanguage::VBNet, "vbnet-plain.txt", kPlain},
                      GoldenCase{CodeLanguage::VBNet, "vbnet-extended.txt", kExtended},
                      GoldenCase{CodeLanguage::CFMX, "cfmx-plain.txt", kPlain},
                      GoldenCase{CodeLanguage::CFMX, "cfmx-extended.txt", kExtended},
                      GoldenCase{CodeLanguage::JSP, "jsp-plain.txt", kPlain},
                      GoldenCase{CodeLanguage::JSP, "jsp-extended.txt", kExtended},
                      GoldenCase{CodeLanguage::Servlets, "servlets-plain.txt", kPlain},
                      GoldenCase{CodeLanguage::Servlets, "servlets-extended.txt", kExtended}));

}  // namespace
}  // namespace sentrel::codegen
