#include <gtest/gtest.h>

#include <QStringList>

#include "codegen/CodeGenerator.h"

namespace sentrel::codegen {
namespace {

CodeInputs inputs(const QString& extList, const QString& propertiesToLog = QStringLiteral("X")) {
    CodeInputs result;
    result.propertiesToLog = propertiesToLog;
    result.srwsLocation = QStringLiteral("http://srv/reports/");
    result.title = QStringLiteral("Title");
    result.message = QStringLiteral("Message");
    result.colour = QStringLiteral("#FFFFFF");
    result.extList = extList;
    result.date = QStringLiteral("today");
    return result;
}

QStringList linesOf(const QString& code) {
    QStringList lines = code.split(QStringLiteral("\r\n"));
    lines.removeLast();  // the text ends with CR LF
    return lines;
}

const QString kCountryNote =
    QStringLiteral("You have selected to log country information. Sentrel cannot natively");

// Each condition stands on its own: a Java property brings the applet lines alone, and a list
// whose names hold none of the plugin, port or font names brings no such line.
TEST(TemplateRules, EachConditionWritesOnlyItsOwnLines) {
    const QStringList jsp = linesOf(generateJSP(inputs(QStringLiteral("JavaVendor"))));
    EXPECT_TRUE(jsp.contains(
        QStringLiteral("  options.setJVMCodeBase(\"\"); /* or leave blank if applet is in same "
                       "directory this script runs from. */")));
    EXPECT_TRUE(jsp.contains(QStringLiteral("  options.addProperties(\"JavaVendor\");")));
    for (const char* absent : {"setPluginCustomID", "setPortsToCheck", "setFontsToCheck"}) {
        EXPECT_FALSE(jsp.join(QLatin1Char('\n')).contains(QLatin1String(absent))) << absent;
    }

    const QString ports = generateClassicASP(inputs(QStringLiteral("OpenPorts")));
    EXPECT_TRUE(ports.contains(QStringLiteral(" snObj.PortsToCheck = \"80\"")));
    EXPECT_FALSE(ports.contains(QStringLiteral("ExtPropCustomPluginID")));
    EXPECT_FALSE(ports.contains(QStringLiteral("FontsToCheck")));
    // The names are tested as written: another case is another name.
    EXPECT_FALSE(generateCFMX(inputs(QStringLiteral("openports"))).contains("setPortsToCheck"));
}

// The country note follows the name "Country" among the properties to log, not a longer name
// that merely contains the word, nor the extended list.
TEST(TemplateRules, CountryNoteOnlyForTheCountryProperty) {
    for (CodeLanguage language : kCodeLanguages) {
        const auto code = [language](const char* properties) {
            return generateCode(language, inputs({}, QLatin1String(properties)));
        };
        EXPECT_TRUE(code("Browser,Country").contains(kCountryNote));
        EXPECT_TRUE(code("Country").contains(kCountryNote));
        EXPECT_FALSE(code("Browser,CountryName").contains(kCountryNote));
        EXPECT_FALSE(code("Browser,country").contains(kCountryNote));
        EXPECT_FALSE(code("MyCountry,Browser").contains(kCountryNote));
    }
}

// ColdFusion reads "#" as the start of an expression: only its template doubles them.
TEST(TemplateRules, ColdFusionDoublesEveryHashOfTheColour) {
    CodeInputs page = inputs(QStringLiteral("Width"));
    EXPECT_TRUE(linesOf(generateCFMX(page))
                    .contains(QStringLiteral("  options.setBodyTag(\"##FFFFFF\");")));
    page.colour = QStringLiteral("#ab#cd");
    EXPECT_TRUE(linesOf(generateCFMX(page))
                    .contains(QStringLiteral("  options.setBodyTag(\"##ab##cd\");")));
    EXPECT_TRUE(
        linesOf(generateJSP(page)).contains(QStringLiteral("  options.setBodyTag(\"#ab#cd\");")));
    EXPECT_TRUE(linesOf(generateASPCSharp(page))
                    .contains(QStringLiteral("  extOptions.BodyTag = \"BGCOLOR=#ab#cd\";")));
}

// The user's texts go in as typed: quotes stay, and a placeholder name or a "%1" inside them
// is not replaced again.
TEST(TemplateRules, TextsAreInsertedAsTyped) {
    CodeInputs page = inputs(QStringLiteral("Width"));
    page.title = QStringLiteral("Say \"hi\" {message} %1");
    page.message = QStringLiteral("{date}");
    page.colour = QString();
    EXPECT_TRUE(linesOf(generateClassicASP(page))
                    .contains(QStringLiteral(
                        " snObj.GetExtPropertiesEx 0, \"\", \"Say \"hi\" {message} %1\", "
                        "\"{date}\"")));
}

}  // namespace
}  // namespace sentrel::codegen
