// Where Qt text meets the plain UTF-8 code of the key store: characters beyond ASCII and
// byte-order marks must come through the conversions unchanged.
#include <gtest/gtest.h>

#include "RegistryFixture.h"
#include "registry/KeyFolderName.h"
#include "registry/RegLine.h"

using namespace sentrel::reg;

TEST(KeyFolderName, EscapesBesideCharactersBeyondAsciiReadAsBefore) {
    const QString bom(QChar(0xFEFF));
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("%é1"), QStringLiteral("%é1")},
        {QStringLiteral("1%é"), QStringLiteral("1%é")},
        {QStringLiteral("é%41"), QStringLiteral("éA")},
        // A code is the character of that number, not a UTF-8 byte.
        {QStringLiteral("%C3%A9"), QStringLiteral("Ã©")},
        {QStringLiteral("%e9"), QStringLiteral("é")},
        {QStringLiteral("%-1"), QString(QChar(0xFFFF))},
        {QString::fromUtf8("\xF0\x9F\x98\x80%2F"), QString::fromUtf8("\xF0\x9F\x98\x80/")},
        {bom + QStringLiteral("x%41"), bom + QStringLiteral("xA")},
    };
    for (const auto& [folder, key] : cases)
        EXPECT_EQ(keyNameOfFolder(folder), key) << folder.toStdString();
    EXPECT_EQ(folderNameOfKey(bom + QStringLiteral("ü/%")), bom + QStringLiteral("ü%2F%25"));
}

TEST(RegLine, ByteOrderMarksInsideQuotesAreText) {
    const auto line = RegLine::decode("\"\xEF\xBB\xBF\"=\"\xEF\xBB\xBFv\"");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->name, QString(QChar(0xFEFF)));
    EXPECT_EQ(line->value, (RegData{REG_SZ, "\xEF\xBB\xBFv"}));
    EXPECT_EQ(line->encode(), "\"\xEF\xBB\xBF\"=\"\xEF\xBB\xBFv\"");
}
