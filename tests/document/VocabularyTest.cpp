#include <gtest/gtest.h>

#include <QRegularExpression>
#include <ctime>

#include "document/Document.h"
#include "document/Vocabulary.h"

namespace sentrel::mainMod {
namespace {

TEST(VocabularyNames, ReservedTypesAreNeverBrowsers) {
    for (const char* name :
         {"filters", "STRING", "Datetime", "internals", "FiltersArray", "method"}) {
        EXPECT_FALSE(isBrowserType(QString::fromLatin1(name))) << name;
    }
    for (const char* name : {"filters2", "DefaultBrowser", "ie6", "String "}) {
        EXPECT_TRUE(isBrowserType(QString::fromLatin1(name))) << name;
    }
}

TEST(VocabularyNames, SystemVersionAndProtectedProperties) {
    EXPECT_TRUE(isSystemProperty("I__x"));
    EXPECT_TRUE(isSystemProperty("i__"));
    EXPECT_FALSE(isSystemProperty("i_x"));
    EXPECT_FALSE(isSystemProperty("xi__"));

    EXPECT_TRUE(isVersionProperty("MajorVer"));
    EXPECT_TRUE(isVersionProperty("versionpos"));
    EXPECT_FALSE(isVersionProperty("versions"));

    EXPECT_TRUE(isProtectedProperty("FullVersion"));
    EXPECT_TRUE(isProtectedProperty("i__icon"));
    EXPECT_FALSE(isProtectedProperty("Platform"));
}

TEST(VocabularyNames, PropertyNameCheck) {
    for (const char* name : {"speed_2", "Speed", "a", "x_"}) {
        EXPECT_TRUE(isValidPropertyName(QString::fromLatin1(name))) << name;
    }
    for (const char* name : {"", "2_speed", "_a", "a-b", "a b", "caf\xc3\xa9",
                             "\xe2\x84\xaa"
                             "elvin"}) {
        EXPECT_FALSE(isValidPropertyName(QString::fromUtf8(name))) << name;
    }
}

TEST(VocabularyValues, NumbersFollowLocaleAndCLocale) {
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);

    EXPECT_TRUE(isValidValue("", "integer", c));
    EXPECT_TRUE(isValidValue("7", "Integer", c));
    EXPECT_TRUE(isValidValue(" 7.0 ", "integer", c));
    EXPECT_TRUE(isValidValue("-1e3", "integer", c));
    EXPECT_TRUE(isValidValue("1,000", "integer", c));
    EXPECT_FALSE(isValidValue("7.5", "integer", c));
    EXPECT_FALSE(isValidValue("seven", "integer", c));

    EXPECT_TRUE(isValidValue("7,5", "single", german));
    EXPECT_TRUE(isValidValue("1.000,5", "single", german));
    EXPECT_TRUE(isValidValue("7.5", "single", german));  // the C locale is accepted too
    EXPECT_FALSE(isValidValue("7,5", "integer", german));
    EXPECT_TRUE(isValidValue("+2.5E-3", "Single", c));
    EXPECT_TRUE(isValidValue("2.5", "double", c));  // "double" takes the rule of "single"

    for (const char* notNumber : {"inf", "nan", "0x10", "1 2", "--1"}) {
        EXPECT_FALSE(isValidValue(QString::fromLatin1(notNumber), "single", c)) << notNumber;
    }
}

TEST(VocabularyValues, BooleanStringAndUnknownTypes) {
    EXPECT_TRUE(isValidValue("TRUE", "boolean"));
    EXPECT_TRUE(isValidValue("False", "Boolean"));
    EXPECT_FALSE(isValidValue("yes", "boolean"));
    EXPECT_FALSE(isValidValue(" true", "boolean"));
    EXPECT_TRUE(isValidValue("anything at all", "String"));
    EXPECT_FALSE(isValidValue("1", "currency"));
    EXPECT_TRUE(isValidValue("", "currency"));  // the empty value is always valid
}

TEST(VocabularyValues, DatesWithinTheRangeInIsoAndLocaleFormats) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);

    EXPECT_FALSE(isValidValue("1969-12-31", "datetime", us));
    EXPECT_FALSE(isValidValue("1969-12-31T23:59:59", "datetime", us));
    EXPECT_TRUE(isValidValue("1970-01-01", "DateTime", us));
    EXPECT_TRUE(isValidValue("1970-01-01T00:00:00", "datetime", us));
    EXPECT_TRUE(isValidValue("3000-01-01T00:00:00", "datetime", us));
    EXPECT_FALSE(isValidValue("3000-01-01T00:00:01", "datetime", us));
    EXPECT_FALSE(isValidValue("3000-01-02", "datetime", us));

    EXPECT_TRUE(isValidValue("12/31/1999", "datetime", us));
    EXPECT_FALSE(isValidValue("12/31/1969", "datetime", us));
    EXPECT_TRUE(isValidValue("31.12.1999", "datetime", german));
    EXPECT_TRUE(isValidValue("1 Jan 1970", "datetime", german));  // C locale format
    EXPECT_FALSE(isValidValue("31.12.1999", "datetime", us));
    EXPECT_FALSE(isValidValue("tomorrow", "datetime", us));
    EXPECT_FALSE(isValidValue("2023-02-30", "datetime", us));
}

// The date a text reads as in a locale, as ISO 8601; "" when it is no date.
std::string dateOf(const QString& text, const QLocale& locale) {
    QDateTime dateTime;
    if (!toDateTime(text, locale, &dateTime)) return "";
    return dateTime.toString(Qt::ISODate).toStdString();
}

TEST(VocabularyValues, TwoDigitYearsReadAsTheYearsAroundNow) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);  // writes four digits

    EXPECT_EQ(dateOf("1/1/25", us), "2025-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("12/31/29", us), "2029-12-31T00:00:00Z");
    EXPECT_EQ(dateOf("1/1/30", us), "1930-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("2/29/00", us), "2000-02-29T00:00:00Z");  // 1900 had no 29 February
    EXPECT_EQ(dateOf("7/4/99 3:04 PM", us), "1999-07-04T15:04:00Z");
    EXPECT_EQ(dateOf("01.02.03", german), "2003-02-01T00:00:00Z");
    EXPECT_EQ(dateOf("31.12.99 23:59", german), "1999-12-31T23:59:00Z");
    EXPECT_EQ(dateOf("01/02/03", british), "2003-02-01T00:00:00Z");
    EXPECT_EQ(dateOf("1/1/0025", us), "0025-01-01T00:00:00Z");  // four digits: as written

    EXPECT_TRUE(isValidValue("1/1/25", "datetime", us));
    EXPECT_TRUE(isValidValue("1/1/70", "datetime", us));
    EXPECT_FALSE(isValidValue("12/31/69", "datetime", us));
    EXPECT_FALSE(isValidValue("1.1.30", "datetime", german));
}

TEST(VocabularyValues, LongDatesReadWithAndWithoutTheWeekday) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);

    EXPECT_EQ(dateOf("Wednesday, January 1, 2025", us), "2025-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("January 1, 2025", us), "2025-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("January 1, 2025 3:04:05 PM", us), "2025-01-01T15:04:05Z");
    EXPECT_EQ(dateOf("Mittwoch, 1. Januar 2025", german), "2025-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("1. Januar 2025", german), "2025-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("1 January 2025", QLocale::c()), "2025-01-01T00:00:00Z");
    EXPECT_EQ(dateOf("1. Januar 2025", us), "");
    EXPECT_EQ(dateOf("January 1", us), "");  // no year
}

// Sets the local time zone for the lifetime of the object.
class LocalZone {
  public:
    explicit LocalZone(const char* zone)
        : previous_(qgetenv("TZ")), hadZone_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone() {
        if (hadZone_) {
            qputenv("TZ", previous_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }

  private:
    QByteArray previous_;
    bool hadZone_;
};

TEST(VocabularyValues, TimesInADaylightSavingGapAreValid) {
    const LocalZone berlin("Europe/Berlin");
    EXPECT_TRUE(isValidValue("2024-03-31T02:30:00", "datetime", QLocale::c()));
    EXPECT_TRUE(
        isValidValue("31.03.2024 02:30", "datetime", QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_TRUE(isValidValue("1970-01-01", "datetime", QLocale::c()));  // not 1969 in UTC
    EXPECT_TRUE(isValidValue("3000-01-01T00:00:00", "datetime", QLocale::c()));
    EXPECT_FALSE(isValidValue("1970-01-01T00:30:00+01:00", "datetime", QLocale::c()));
}

TEST(VocabularyFilters, KindsCodesAndDisplayNames) {
    EXPECT_EQ(filterKindFromDisplay("Browser user agent"), 0);
    EXPECT_EQ(filterKindFromDisplay("Cookie value"), 1);
    EXPECT_EQ(filterKindFromDisplay("Server environment variable"), 2);
    EXPECT_EQ(filterKindFromDisplay("Client certificate"), 3);
    EXPECT_EQ(filterKindFromDisplay("cookie value"), 0);
    EXPECT_EQ(filterKindFromDisplay(""), 0);

    QString display = "unchanged";
    EXPECT_EQ(filterKindNames(4, display), "");
    EXPECT_EQ(display, "unchanged");
    EXPECT_EQ(filterKindNames(-1, display), "");
    for (const FilterKind& kind : filterKinds()) {
        EXPECT_EQ(filterKindNames(kind.code, display), kind.shortCode);
        EXPECT_EQ(display, kind.displayName);
        EXPECT_EQ(filterDisplayFromShortCode(kind.shortCode), kind.displayName);
    }
    EXPECT_EQ(filterDisplayFromShortCode("ua"), "");
    EXPECT_EQ(filterDisplayFromShortCode("Env"), "");
}

// A small tree: root > folder "Desktop" > browser "chrome1", plus a deleted browser.
class VocabularyDocument : public ::testing::Test {
  protected:
    void SetUp() override {
        document = doc::Document::create();
        doc::TypeObject& root = document->DefaultBrowser();
        for (const QString& name : systemPropertyNames()) root.AddParameter(name, "String");
        add("desktop1", kRootTypeName, "Desktop", kTypeFolder);
        add("chrome1", "desktop1", "Chrome 120", kTypeBrowser);
        add("gone1", kRootTypeName, "Old Browser", kTypeDeleted);
    }

    void add(const QString& name, const QString& base, const QString& description,
             const QString& code) {
        doc::TypeObject& type = document->AddInheritedType(name, base);
        type.SetParamDefValue(kDescriptionParam, description);
        type.SetParamDefValue(kTypeParam, code);
    }

    std::unique_ptr<doc::Document> document;
};

TEST_F(VocabularyDocument, DescriptionExistsAmongLiveTypesOnly) {
    EXPECT_TRUE(descriptionExists("chrome 120", *document));
    EXPECT_TRUE(descriptionExists("DESKTOP", *document));
    EXPECT_FALSE(descriptionExists("Old Browser", *document));
    EXPECT_FALSE(descriptionExists("Chrome", *document));
}

TEST_F(VocabularyDocument, DescendantWalksBasesUpToTheRoot) {
    EXPECT_TRUE(isDescendant("desktop1", "chrome1", *document));
    EXPECT_TRUE(isDescendant("DESKTOP1", "chrome1", *document));
    EXPECT_TRUE(isDescendant(kRootTypeName, "chrome1", *document));
    EXPECT_TRUE(isDescendant(kRootTypeName, "gone1", *document));
    EXPECT_FALSE(isDescendant("chrome1", "desktop1", *document));
    EXPECT_FALSE(isDescendant("chrome1", "chrome1", *document));
    EXPECT_FALSE(isDescendant(kRootTypeName, kRootTypeName, *document));
    EXPECT_FALSE(isDescendant("desktop1", "nosuchtype", *document));
}

TEST_F(VocabularyDocument, GeneratedNamesFollowTheDescription) {
    const auto browser = [&](const QString& d) {
        return generateTypeName(d, NewTypeKind::Browser, *document);
    };
    const auto folder = [&](const QString& d) {
        return generateTypeName(d, NewTypeKind::Folder, *document);
    };
    const auto matches = [](const QString& name, const char* pattern) {
        return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)))
            .match(name)
            .hasMatch();
    };

    EXPECT_TRUE(matches(browser("1st browser"), "A1stbrowser[1-9]\\d{6}"));
    EXPECT_TRUE(matches(browser("Chrome 120!"), "chrome120[1-9]\\d{6}"));
    EXPECT_TRUE(matches(folder("1st"), "x1st[1-9]\\d{6}"));
    EXPECT_TRUE(matches(folder("Mobile"), "mobile[1-9]\\d{6}"));
    EXPECT_TRUE(matches(folder("i__ folder"), "ifolder\\d{7}"));

    EXPECT_EQ(browser("123"), "");
    EXPECT_EQ(browser("1e5"), "");  // numeric with an exponent
    EXPECT_EQ(browser("I__hidden"), "");
    EXPECT_EQ(browser("--"), "");
    EXPECT_EQ(folder("--"), "");

    const QString longText = "9 abcdefghijklmnopqrstuvwxyz";
    EXPECT_EQ(browser(longText).size(), 27);
    EXPECT_TRUE(browser(longText).startsWith("A9abcdefghijklmnopqr"));
    EXPECT_EQ(folder(longText).size(), 28);
    EXPECT_TRUE(folder(longText).startsWith("x9abcdefghijklmnopqrs"));

    const QString name = browser("Chrome");
    EXPECT_FALSE(document->hasType(name));
    EXPECT_NE(browser("Chrome"), browser("Chrome"));
}

}  // namespace
}  // namespace sentrel::mainMod
