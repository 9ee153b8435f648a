#include <QFile>

#include "PropertiesFixture.h"

namespace sentrel::codegen::test {
namespace {

const QString kRequires =
    "Tracking country information requires Norvane's Landrel product (available separately "
    "from Sentrel) to be installed.";
const QString kKeep =
    " Would you like to keep the option to log country information checked? If so, be sure to "
    "take corrective action prior to attempting to log country statistics from your web "
    "scripts.";

MessageRequest landrelRequired(const QString& middle) {
    return {"Landrel required", kRequires + middle + kKeep, MsgIcon::Question, MsgButtons::YesNo,
            2};
}

// Checking "Country" tries the country lookup over a database file.
class CountryQuestionTest : public PropertiesFixture {
  protected:
    void checkCountryWith(const QString& database) {
        PropertySelection over(ui, database.toStdString());
        ASSERT_TRUE(over.open("Browser", [] { return QStringList{"Browser", "Country"}; }));
        over.setChecked(1, true);
        countryChecked = over.items()[1].checked;
    }

    bool countryChecked = false;
};

TEST_F(CountryQuestionTest, AWorkingLookupIsConfirmed) {
    ASSERT_TRUE(QFile::exists("/usr/share/GeoIP/GeoIP.dat")) << "geoip-database is not installed";
    ASSERT_TRUE(open("Browser"));
    check("Country");
    const MessageRequest confirmed{"Landrel confirmation",
                                   kRequires +
                                       " The Landrel object has just been verified for you as "
                                       "installed and working properly.",
                                   MsgIcon::Information};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{confirmed});
    EXPECT_EQ(checked(), (QStringList{"Browser", "Country"}));
}

TEST_F(CountryQuestionTest, AMissingDatabaseAsksWhetherToKeepCountry) {
    const MessageRequest notInstalled = landrelRequired(
        " The Landrel object IS NOT installed (or has not been installed properly). Please "
        "install the GeoIP country database it reads, Debian's geoip-database package (for "
        "example with: sudo apt-get install geoip-database).");
    ui.answerMessage(MsgAnswer::No);
    checkCountryWith(dir.file("GeoIP.dat"));
    EXPECT_FALSE(countryChecked);
    ui.answerMessage(MsgAnswer::Yes);
    checkCountryWith(dir.file("GeoIP.dat"));
    EXPECT_TRUE(countryChecked) << "the failed test never blocks the choice";
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{notInstalled, notInstalled}));
}

TEST_F(CountryQuestionTest, ADamagedDatabaseShowsTheLookupsError) {
    const QString database = dir.write("GeoIP.dat", QByteArray(4096, '\x5a'));
    ui.answerMessage(MsgAnswer::No);
    checkCountryWith(database);
    EXPECT_FALSE(countryChecked);
    const MessageRequest failed = landrelRequired(
        " Although Landrel is installed, the following error was received just now while trying "
        "to test its operation for you:\r\n\r\nThe country database " +
        database + " cannot be opened: it is damaged or not a GeoIP country database");
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{failed});
}

// Select All checks "Country" as the user would, and so tries the lookup.
TEST_F(CountryQuestionTest, SelectAllTriesTheLookupWhenItChecksCountry) {
    ASSERT_TRUE(open("Browser"));
    ui.answerMessage(MsgAnswer::Yes);
    ui.answerMessage(MsgAnswer::OK);
    ui.answerMessage(MsgAnswer::Yes);
    selection.selectAll();
    QStringList titles;
    for (const MessageRequest& message : ui.messages()) titles << message.title;
    EXPECT_EQ(titles, (QStringList{"Storage intensive", "Landrel confirmation", "Are you sure?"}));
    EXPECT_EQ(checked().size(), 149);
}

}  // namespace
}  // namespace sentrel::codegen::test
