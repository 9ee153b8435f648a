#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

// Readable Qt values in failure messages.
#include "editing/QtPrinters.h"

#include "ReportingTabsFixture.h"

namespace sentrel::test {
namespace {

using ReportingTabsTest = ReportingTabsFixture;

const MessageRequest kInvalidCharacter{
    "Invalid character",
    "Please do not use any '/' characters when specifying the web address of this server. This "
    "field should only contain the base web address of your web server - for example "
    "http://www.example.com.\r\rYou should however be sure this information is present in the "
    "SN Reports Web Service URL field at the bottom of this form. The '/' character any any path "
    "specified here has been removed for you.",
    MsgIcon::Exclamation, MsgButtons::OKCancel};

TEST_F(ReportingTabsTest, WebAddressGetsItsSchemeLosesItsPathAndBuildsTheUrl) {
    options.srwsURL = "http://old.example.com/srws/";
    tabs.loaded();
    tabs.webAddressChanged("www.example.com/srws/");
    EXPECT_EQ(options.srwsURL, "www.example.com/srws//srws/") << "address + virtual path";
    tabs.leaveWebAddress();
    EXPECT_EQ(options.srwsLocalWebAddress, "http://www.example.com");
    EXPECT_EQ(options.srwsURL, "http://www.example.com/srws/");
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kInvalidCharacter});

    ui.clear();
    const struct {
        const char* typed;
        const char* left;
    } cases[] = {
        {"ab/de", "ab/de"},  // shorter than 7: no scheme, and the search starts at the 8th
        {"HTTPS://secure.example.com/x", "HTTPS://secure.example.com"},
        {"https://h/", "https://h"},
        {"http://h", "http://h"},
    };
    for (const auto& c : cases) {
        tabs.webAddressChanged(c.typed);
        tabs.leaveWebAddress();
        EXPECT_EQ(options.srwsLocalWebAddress, c.left) << c.typed;
    }
    EXPECT_EQ(ui.messages().size(), 2);
}

TEST_F(ReportingTabsTest, LeavingTheDirectoryBoxesChecksThem) {
    const MessageRequest logMissing{
        "Directory does not exist",
        "The directory specified (/no/such/logs/) does not exist.  Please enter a valid directory "
        "or leave this field blank if you wish to set this later.",
        MsgIcon::Exclamation};
    options.srwsLogFilePath = " /no/such/logs/ ";
    EXPECT_FALSE(tabs.leaveLogDirectory());
    EXPECT_EQ(options.srwsLogFilePath, "/no/such/logs");
    options.srwsLogFilePath = dir.path() + "/";
    EXPECT_TRUE(tabs.leaveLogDirectory());
    EXPECT_EQ(options.srwsLogFilePath, dir.path());
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{logMissing});

    ui.clear();
    options.srwsInstallPath = "/no/such/www";
    EXPECT_FALSE(tabs.leaveWebDirectory());
    options.srwsInstallPath = " " + dir.path() + "/ ";
    EXPECT_TRUE(tabs.leaveWebDirectory());
    EXPECT_EQ(options.srwsInstallPath, dir.path());
    EXPECT_TRUE(tabs.leaveWebDirectory()) << "the reminder comes once";
    const MessageRequest webMissing{
        "Directory does not exist",
        "The directory specified (/no/such/www) does not exist.  Please enter a valid directory "
        "on your web server configured to allow execute permissions or press the 'Select' button "
        "to pick from a list.  Or leave this field blank if you wish to set this later.",
        MsgIcon::Exclamation};
    const MessageRequest permissions{
        "Check required permissions",
        "Please make sure that the virtual web site which maps to " + dir.path() +
            " has permissions to run both scripts and executables.  Otherwise Apache httpd will "
            "not be able to load the Sentrel Reports Web Service and no statistics will be "
            "logged.\r\rYou can check these permissions in the Apache httpd configuration, or "
            "alternatively you can press the 'Select' button to the right of this field.  Doing "
            "so will allow you to pick from a list of virtual directories so Sentrel can verify "
            "these permissions for you.",
        MsgIcon::Information,
        MsgButtons::OK,
        1,
        1057};
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{webMissing, permissions}));

    ui.clear();
    const QString tooLong = dir.path() + "/" + QString(300, 'w');
    options.srwsInstallPath = tooLong;
    EXPECT_FALSE(tabs.leaveWebDirectory());
    const MessageRequest invalid{
        "Invalid format for directory name",
        "An error occurred while attempting to validate the directory " + tooLong +
            ".  It appears as though this is not an allowable directory name or format.  Please "
            "check your input carefully for any typos and try again.",
        MsgIcon::Exclamation};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{invalid});

    // A symbolic link to itself cannot be looked at: the system's reason.
    ui.clear();
    ASSERT_TRUE(QFile::link(dir.file("loop"), dir.file("loop")));
    options.srwsInstallPath = dir.file("loop");
    EXPECT_FALSE(tabs.leaveWebDirectory());
    const MessageRequest failed{"Error occurred",
                                "Error 75 [Too many levels of symbolic links] occurred while "
                                "checking this directory.  Please validate your input and contact "
                                "Norvane for support if this persists.",
                                MsgIcon::Exclamation};
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{failed});
}

TEST_F(ReportingTabsTest, TableOwnerSaOrTooLongIsRefused) {
    const MessageRequest sa{"SA is not a valid table owner",
                            "Although the sa account is the master account, is not valid as a "
                            "table owner name.  Typically you would use 'public' instead.  Please "
                            "make this change now.",
                            MsgIcon::Exclamation};
    tabs.setTableOwner(" SA ");
    EXPECT_FALSE(tabs.leaveTableOwner());
    EXPECT_EQ(options.srwsTableOwner, "");
    tabs.setTableOwner("sales");
    EXPECT_TRUE(tabs.leaveTableOwner());
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{sa});

    ui.clear();
    const QString longOwner = QString(62, 'o') + QChar(0xE9);  // 64 bytes in UTF-8
    tabs.setTableOwner(longOwner);
    EXPECT_FALSE(tabs.leaveTableOwner());
    EXPECT_EQ(options.srwsTableOwner, longOwner) << "kept for the user to shorten";
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, "Table owner name too long");
    tabs.setTableOwner(QString(63, 'o'));
    EXPECT_TRUE(tabs.leaveTableOwner());
}

TEST_F(ReportingTabsTest, TestButtonOpensTheTestPageOnlyWithSavedSettingsAndAUrl) {
    tabs.setDatabase("reports");
    tabs.testSrws();
    tabs.flags().dbSettingsChanged = false;
    tabs.testSrws();
    options.srwsURL = "http://www.example.com/srws";
    tabs.testSrws();
    EXPECT_EQ(openedUrls, QStringList{"http://www.example.com/srws/norvaneSRWS.dll?test"});
    const QStringList titles = {"Pending changes must be saved before testing", "No URL specified",
                                "Attempting test"};
    QStringList shown;
    for (const MessageRequest& m : ui.messages()) shown << m.title;
    EXPECT_EQ(shown, titles);
    EXPECT_EQ(ui.messages()[2].text,
              "Sentrel will now attempt to communicate with the Reports Web service through your "
              "browser.\r\rIf you receive a 404 Not Found error then correct the SN Reports Web "
              "Service URL setting on the form.  If you receive a different error make sure that "
              "your Apache httpd web server is running on the server running the SN Reports Web "
              "Service.\r\rNote: If you make any changes to the report settings after performing "
              "this test you must reload Apache in order for those changes to be recognized.");
}

TEST_F(ReportingTabsTest, SelectingPropertiesAsksAboutScriptingAndNeedsAUrl) {
    tabs.selectPropertiesToLog();
    EXPECT_TRUE(ui.messages().isEmpty()) << "no properties: no question";
    options.rptProperties = "Browser,Version";
    ui.answerMessage(MsgAnswer::Yes);
    tabs.selectPropertiesToLog();
    const MessageRequest scripting{
        "Scripting required",
        "You must add some scripting code to your ASP / ASP.NET page that you wish to record "
        "these properties from.\r\rWould you like Sentrel to generate this code for you so you "
        "can easily cut/paste it into your ASP script?",
        MsgIcon::Question,
        MsgButtons::YesNo,
        1,
        881};
    const MessageRequest noLocation{"Scripting required",
                                    "Please complete the Sentrel Web Service Location options "
                                    "above before continuing.",
                                    MsgIcon::Exclamation};
    EXPECT_EQ(ui.messages(), (QList<MessageRequest>{scripting, noLocation}));
    EXPECT_EQ(options.rptProperties, "Browser,Version");
    EXPECT_FALSE(tabs.flags().rptSettingsChanged);
}

// The button opens the property choice through the host, then the code generator with the
// chosen list and the reports service's URL.
TEST_F(ReportingTabsTest, SelectingPropertiesOpensTheChoiceThenTheCodeGenerator) {
    QStringList shownLists;
    std::optional<QString> choice = QStringLiteral("Browser,Country");
    host.selectProperties = [&](const QString& properties) {
        shownLists << properties;
        return choice;
    };
    QStringList generated;
    host.showCodeGenerator = [&](const QString& properties, const QString& url) {
        generated << properties + " " + url;
    };
    options.rptProperties = "Browser";
    options.srwsURL = "http://www.example.com/srws/";
    ui.answerMessage(MsgAnswer::Yes);
    tabs.selectPropertiesToLog();
    EXPECT_EQ(options.rptProperties, "Browser,Country");
    EXPECT_TRUE(tabs.flags().rptSettingsChanged);
    EXPECT_EQ(generated, QStringList{"Browser,Country http://www.example.com/srws/"});

    // Cancel keeps the list; No to "Scripting required" shows no generator.
    tabs.loaded();
    choice = std::nullopt;
    ui.answerMessage(MsgAnswer::No);
    tabs.selectPropertiesToLog();
    EXPECT_EQ(options.rptProperties, "Browser,Country");
    EXPECT_FALSE(tabs.flags().rptSettingsChanged);
    EXPECT_EQ(generated.size(), 1);

    // An emptied list asks nothing more.
    choice = QString();
    tabs.selectPropertiesToLog();
    EXPECT_TRUE(tabs.flags().rptSettingsChanged);
    EXPECT_EQ(shownLists, (QStringList{"Browser", "Browser,Country", "Browser,Country"}));
    EXPECT_EQ(ui.messages().size(), 2);
}

TEST_F(ReportingTabsTest, ServerListOfTheSourcesAndItsPlaceholder) {
    QDir().mkpath(dir.file("sockets"));
    const QString services = dir.write("pg_service.conf", "[reports]\nhost=db.example.com\n");
    tabs.setServerSources({dir.file("sockets"), {services}});
    tabs.setUseNTAuthentication(false);
    tabs.setUseAccess(false);
    const ReportingFlags& flags = tabs.flags();
    EXPECT_EQ(flags.serverEntries,
              (QStringList{"<<Select or enter server name>>", "db.example.com"}));
    EXPECT_TRUE(flags.serverListAvailable);
    EXPECT_EQ(tabs.ShowState().status,
              "Pick a server from the list or type a server name or IP address.");

    tabs.chooseServer(1);
    EXPECT_EQ(options.srwsServer, "db.example.com");
    EXPECT_TRUE(flags.dbSettingsChanged);
    EXPECT_EQ(tabs.ShowState().state, DbState::UsernameEmpty) << "own authentication is off";
    tabs.chooseServer(0);
    EXPECT_EQ(options.srwsServer, "db.example.com") << "the placeholder is no server name";
    EXPECT_EQ(tabs.ShowState().state, DbState::ServerMissing);

    tabs.setUseAccess(true);
    tabs.setUseAccess(false);
    EXPECT_EQ(flags.serverEntries.size(), 2) << "the list is filled once";
}

TEST_F(ReportingTabsTest, FieldChangesClearTheTestResultButTypingAServerDoesNot) {
    tabs.flags().tablesTested = tabs.flags().tablesTestPassed = true;
    tabs.typeServerName("db");
    EXPECT_TRUE(tabs.flags().tablesTestPassed);
    tabs.setPassword("changed");
    EXPECT_FALSE(tabs.flags().tablesTested || tabs.flags().tablesTestPassed);
    EXPECT_TRUE(tabs.flags().dbSettingsChanged);
}

}  // namespace
}  // namespace sentrel::test
