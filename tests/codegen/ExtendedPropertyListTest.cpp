#include <gtest/gtest.h>

#include <QFile>

#include "codegen/ExtendedPropertyList.h"
#include "document/Document.h"
#include "export/BddVersion.h"
#include "export/BddWriter.h"
#include "support/TempDir.h"

namespace sentrel::codegen {
namespace {

// A sample of the properties only a script in the browser can find out: the list's first and
// last entries and some in between.
const char* const kBuiltInSample[] = {"ActiveXEnabled", "ColorDepth",      "Broadband",
                                      "MSJVMBuild",     "OSArch",          "Plugin_Flash",
                                      "FontsInstalled", "OpenWebResources"};

TEST(BuiltInExtendedList, KnowsListedNamesInAnyCaseAndNothingElse) {
    for (const char* name : kBuiltInSample) {
        const QString listed = QLatin1String(name);
        EXPECT_TRUE(isExtProperty(listed)) << name;
        EXPECT_TRUE(isExtProperty(listed.toLower())) << name;
        EXPECT_TRUE(isExtProperty(QStringLiteral("  ") + listed.toUpper() + QStringLiteral(" ")))
            << name;
    }
    for (const char* name : {"OSName", "OSVersion", "OSDetails", "Browser", "Country", "Plugin",
                             "Plugin_Flash2", "Java", ""}) {
        EXPECT_FALSE(isExtProperty(QLatin1String(name))) << name;
    }
}

const QString kSelection =
    QStringLiteral("Browser,OSName,Width,OSVersion,OSArch,osdetails,Country,Plugin_Flash");

// With the built-in list the extended names keep their order and are joined with ", ".
TEST(ExtendedPropertyList, BuiltInListKeepsTheOrderOfTheSelection) {
    EXPECT_EQ(generateExtPropList(kSelection, &isExtProperty),
              QStringLiteral("Width, OSArch, Plugin_Flash"));
    EXPECT_EQ(generateExtPropList(QStringLiteral("Browser,Version"), &isExtProperty), QString());
    EXPECT_EQ(generateExtPropList(QString(), &isExtProperty), QString());
}

// Missing or broken definitions leave the built-in list in charge, without a message.
TEST(ExtendedPropertyList, UnusableDefinitionsFallBackToTheBuiltInList) {
    test::TempDir dir;
    const QString broken = dir.write(QStringLiteral("maindefs.bdd"), "not a definitions file");
    for (const QString& file : {dir.file(QStringLiteral("missing.bdd")), broken}) {
        EXPECT_EQ(generateExtPropList(kSelection, extendedPropertyTest(file)),
                  QStringLiteral("Width, OSArch, Plugin_Flash"));
    }
}

// The detection library on the installed definitions answers, and never counts the
// operating system's name, version or details as extended.
TEST(ExtendedPropertyList, DetectionLibraryOnRealDefinitions) {
    const QString sample = QStringLiteral(SENTREL_DATA_DIR "/maindefs.bdf");
    ASSERT_TRUE(QFile::exists(sample));
    test::TempDir dir;
    const auto document = doc::Document::load(sample);
    const QString bdd = dir.file(QStringLiteral("maindefs.bdd"));
    exporting::BddWriter(exporting::BddVersion::of(*document)).writeFile(*document, bdd);
    const ExtendedPropertyTest library = extendedPropertyTest(bdd);
    EXPECT_EQ(generateExtPropList(kSelection, library),
              QStringLiteral("Width, OSArch, Plugin_Flash"));
    for (const char* name : {"OSName", "osversion", "OSDETAILS"}) {
        EXPECT_FALSE(library(QLatin1String(name))) << name;
    }
    EXPECT_TRUE(library(QStringLiteral("MSJVMBuild")));
}

}  // namespace
}  // namespace sentrel::codegen
