#include <gtest/gtest.h>

#include "registry/RegLine.h"
#include "registry/ValuesFile.h"

using namespace sentrel::reg;

namespace {

RegData sz(const QByteArray& bytes) {
    return {REG_SZ, bytes};
}

// A byte literal that may hold NUL bytes.
template <std::size_t N>
QByteArray bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

QByteArray lineOf(const QString& name, const RegData& value) {
    return RegLine{name, value}.encode();
}

}  // namespace

TEST(RegLine, WritesTheRegeditForms) {
    EXPECT_EQ(lineOf("basedir", sz("/opt/sentrel")), R"("basedir"="/opt/sentrel")");
    EXPECT_EQ(lineOf("empty", sz(QByteArray(1, '\0'))), R"("empty"="")");
    EXPECT_EQ(lineOf("n", {REG_DWORD, QByteArray("\x2a\0\0\0", 4)}), R"("n"=dword:0000002a)");
    EXPECT_EQ(lineOf("m", {REG_DWORD, QByteArray(4, '\xff')}), R"("m"=dword:ffffffff)");
    EXPECT_EQ(lineOf("b", {REG_BINARY, QByteArray("\x01\x02\xfe")}), R"("b"=hex:01,02,fe)");
    EXPECT_EQ(lineOf("q", {11, QByteArray(2, '\0')}), R"("q"=hex(b):00,00)");
    EXPECT_EQ(lineOf("", sz("x")), R"(@="x")");
    // Bytes the quoted form cannot carry stay exact in the hex form.
    EXPECT_EQ(lineOf("multi", sz("a\nb")), R"("multi"=hex(1):61,0a,62)");
    EXPECT_EQ(lineOf("none", sz("")), R"("none"=hex(1):)");
    EXPECT_EQ(lineOf("bad\nname", sz("x")), QByteArray());
}

TEST(RegLine, QuotesBackslashesAndUnicodeSurviveTheRoundTrip) {
    const QString texts[] = {R"(C:\Program Files\"quoted"\)",
                             R"(\\server\share)",
                             "\"",
                             "\\",
                             "naïve – 日本語 😀",
                             "=dword:1",
                             "trailing \\"};
    for (const QString& text : texts) {
        const RegLine line{"na\"me\\" + text, sz(text.toUtf8())};
        const auto back = RegLine::decode(line.encode());
        ASSERT_TRUE(back) << line.encode().constData();
        EXPECT_EQ(back->name, line.name);
        EXPECT_EQ(back->value, line.value) << line.encode().constData();
    }
}

TEST(RegLine, ReadsHandWrittenLinesLeniently) {
    auto value = [](const char* line) { return RegLine::decode(line).value().value; };
    EXPECT_EQ(value(R"(  "a" = "x y"  )"), sz("x y"));
    EXPECT_EQ(value(R"("a"="C:\Program Files")"), sz(R"(C:\Program Files)"));
    EXPECT_EQ(value("\"a\"=DWORD:2A\r"), (RegData{REG_DWORD, QByteArray("\x2a\0\0\0", 4)}));
    EXPECT_EQ(value(R"("a"=hex:)"), (RegData{REG_BINARY, {}}));
    for (const char* damaged :
         {R"("a"="unterminated)", R"("a"=dword:123456789)", R"("a"=dword:xyz)", R"("a"=hex:1,2,zz)",
          R"("a"=hex(:01)", R"("a"="x" junk)", R"("a")", "REGEDIT4", "; comment", R"(""="x")",
          "\"a\"=-", "\"a\"=\"Latin-1 \xe9\"", ""}) {
        EXPECT_FALSE(RegLine::decode(damaged)) << damaged;
    }
}

TEST(ValuesFile, KeepsDamagedLinesAndFindsNamesWithoutRegardToCase) {
    const QByteArray content = bytes(
        "\xEF\xBB\xBF\"Good\"=\"1\"\nREGEDIT4\n\"broken\"=\"no end\n\xff\xfe\x00junk\n"
        "\"wrapped\"=hex:01,\\\n  02\n\"good\"=\"shadowed\"\n");
    ValuesFile file = ValuesFile::parse(content);
    EXPECT_EQ(file.names(), QStringList({"Good", "wrapped"}));
    EXPECT_EQ(*file.find("GOOD"), sz("1"));
    EXPECT_EQ(*file.find("Wrapped"), (RegData{REG_BINARY, "\x01\x02"}));
    EXPECT_EQ(file.find("broken"), nullptr);

    file.set("gOOD", sz("2"));
    file.set("new", sz("3"));
    // The damaged lines stand as they were; the first spelling of "Good" stays.
    EXPECT_EQ(file.serialize(), bytes("\"Good\"=\"2\"\nREGEDIT4\n\"broken\"=\"no end\n"
                                      "\xff\xfe\x00junk\n\"wrapped\"=hex:01,02\n"
                                      "\"new\"=\"3\"\n"));
    EXPECT_TRUE(file.remove("NEW"));
    EXPECT_FALSE(file.remove("new"));
}

TEST(ValuesFile, RewritingNeverChangesWhatTheFileReads) {
    // Byte-order marks in front of lines, as when files were joined: the values behind them
    // count, so no rewrite can bring a hidden value to light.
    ValuesFile joined =
        ValuesFile::parse(bytes("\xEF\xBB\xBF\xEF\xBB\xBF\"a\"=\"1\"\r\n\"A\"=\"shadowed\"\r\n"
                                "\"h\"=\"\"\n\xEF\xBB\xBF\"f\"=dword:0\n"));
    EXPECT_EQ(joined.names(), QStringList({"a", "h", "f"}));
    EXPECT_EQ(*joined.find("a"), sz("1"));
    EXPECT_TRUE(joined.remove("a"));
    EXPECT_TRUE(joined.remove("h"));
    const ValuesFile rewritten = ValuesFile::parse(joined.serialize());
    EXPECT_EQ(rewritten.names(), QStringList({"f"}));
    EXPECT_EQ(*rewritten.find("f"), (RegData{REG_DWORD, QByteArray(4, '\0')}));

    // A name holding a carriage return cannot stand on a value line: the line stays as it was.
    ValuesFile odd = ValuesFile::parse(bytes("\"car\rriage\"=dword:1\n"));
    EXPECT_TRUE(odd.names().isEmpty());
    odd.set("other", sz("x"));
    EXPECT_EQ(odd.serialize(), bytes("\"car\rriage\"=dword:1\n\"other\"=\"x\"\n"));
}
