#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "codegen/properties/BuiltInPropertyNames.h"
#include "codegen/properties/PropertyNameSource.h"
#include "detect/BddText.h"
#include "document/Document.h"
#include "export/BddVersion.h"
#include "export/BddWriter.h"
#include "support/TempDir.h"

namespace sentrel::codegen {
namespace {

using sentrel::test::TempDir;

TEST(PropertyNames, TheLibraryListsItsPropertiesWithoutSystemAndInternalOnes) {
    TempDir dir;
    detect::test::BddText()
        .property("Majorver")
        .property("VersionPos")
        .property("Browser")
        .property("SSLCipherSuite")
        .property("Referrer")
        .entry("DefaultBrowser", "", "None", {{"Browser", "Default"}}, "Unknown")
        .writeTo(dir.file("maindefs.bdd").toStdString());
    EXPECT_EQ(PropertyNameSource(dir.path())(), (QStringList{"Majorver", "Browser", "Referrer"}));
}

// The installed definitions are the editor's own export of its sample file.
TEST(PropertyNames, TheSampleDefinitionsAsExported) {
    TempDir dir;
    const auto document = doc::Document::load(SENTREL_DATA_DIR "/maindefs.bdf");
    exporting::BddWriter(exporting::BddVersion::of(*document))
        .writeFile(*document, dir.file("maindefs.bdd"));
    QStringList expected = exporting::BddWriter::userProperties(*document);
    expected.removeIf([](const QString& name) { return name.toLower() == "versionpos"; });
    ASSERT_EQ(expected.size() + 1, exporting::BddWriter::userProperties(*document).size());
    EXPECT_EQ(PropertyNameSource(dir.path())(), expected);
}

TEST(PropertyNames, WithoutUsableDefinitionsTheBuiltInNamesServe) {
    const QStringList builtIn = manuallyAddPropertyName();
    ASSERT_EQ(builtIn.size(), 149);
    EXPECT_EQ(QSet<QString>(builtIn.begin(), builtIn.end()).size(), 149);
    EXPECT_EQ(builtIn.first(), "Majorver");
    EXPECT_EQ(builtIn[75], "Country");
    EXPECT_EQ(builtIn.last(), "OpenWebResources");
    EXPECT_FALSE(builtIn.contains("Referrer"));

    TempDir dir;
    EXPECT_EQ(PropertyNameSource(dir.path())(), builtIn) << "no maindefs.bdd";
    dir.write("maindefs.bdd", "not a definitions file");
    EXPECT_EQ(PropertyNameSource(dir.path())(), builtIn) << "damaged maindefs.bdd";
}

}  // namespace
}  // namespace sentrel::codegen
