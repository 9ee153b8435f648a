#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QFile>

#include "ApacheTree.h"
#include "registry/KeyFileSystem.h"
#include "reporting/webdirs/ApacheConfigParser.h"
#include "reporting/webdirs/ApacheConfiguration.h"
#include "reporting/webdirs/Directory.h"
#include "reporting/webdirs/WebServer.h"
#include "reporting/webdirs/WebService.h"
#include "shell/AppError.h"

using namespace sentrel;
using namespace sentrel::webdirs;

namespace {

// Each directory of a site as "url path = folder [x]", [x] when the service may run there.
QStringList directoriesOf(Directory& directory) {
    QStringList lines{directory.urlPath() + " = " + directory.Path() +
                      (directory.HasExecutePermission() ? " [x]" : "")};
    for (const auto& child : directory.Directories()) lines += directoriesOf(*child);
    return lines;
}

class ApacheConfigurationTest : public ::testing::Test {
  protected:
    WebService& open() {
        service.OpenService("localhost");
        return service;
    }
    QStringList siteNames() {
        QStringList names;
        for (const auto& server : open().WebServers()) names << server->Name();
        return names;
    }
    QStringList directories(const QString& site) {
        WebServer* server = open().WebServers().Item(site);
        return server ? directoriesOf(*server->LocateDirectory({"Root"})) : QStringList{"no site"};
    }
    QStringList problems() {
        QStringList lines;
        for (const auto& p : service.configuration().problems())
            lines << QString::number(p.number) + " " + p.description;
        return lines;
    }

    test::ApacheTree tree;
    WebService service{tree.setup()};
};

}  // namespace

TEST(ApacheConfigParserTest, ReadsQuotingContinuationsCommentsAndSectionsAsHttpdDoes) {
    const auto result = ApacheConfigParser::parse(
        "# a comment\n"
        "  documentroot \"/srv/my site\"   \n"
        "Alias /a 'it''s' \"say \\\"hi\\\"\"\n"
        "ServerAlias one \\\n"
        "   two\r\n"
        "Options +ExecCGI # not a comment\n"
        "<virtualhost *:80 [::1]:80>\n"
        "  <Directory \"/srv/x\">\n"
        "    SetHandler cgi-script\n"
        "  </DIRECTORY>\n"
        "</VirtualHost>\n",
        "f.conf");
    EXPECT_TRUE(result.problems.isEmpty()) << result.problems.join('\n').toStdString();
    ASSERT_EQ(result.directives.size(), 5);
    EXPECT_TRUE(result.directives[0].is("DocumentRoot"));
    EXPECT_EQ(result.directives[0].args, QStringList{"/srv/my site"});
    EXPECT_EQ(result.directives[1].args, QStringList({"/a", "it", "s", "say \"hi\""}));
    EXPECT_EQ(result.directives[2].args, QStringList({"one", "two"}));
    EXPECT_EQ(result.directives[2].line, 4);
    EXPECT_EQ(result.directives[3].args, QStringList({"+ExecCGI", "#", "not", "a", "comment"}));
    const ApacheDirective& host = result.directives[4];
    EXPECT_TRUE(host.section && host.is("VirtualHost"));
    EXPECT_EQ(host.args, QStringList({"*:80", "[::1]:80"}));
    ASSERT_EQ(host.children.size(), 1);
    EXPECT_EQ(host.children[0].args, QStringList{"/srv/x"});
    EXPECT_EQ(host.children[0].children[0].arg(), "cgi-script");
}

TEST(ApacheConfigParserTest, SyntaxHttpdRefusesIsListedAndTheRestStillRead) {
    const auto result = ApacheConfigParser::parse(
        "Alias /a \"/open quote\n"
        "<Directory /x\n"
        "</Location>\n"
        "ServerName kept.example\n"
        "<Directory /y>\n"
        "Options None\n",
        "bad.conf");
    EXPECT_EQ(result.problems,
              QStringList({"bad.conf line 1: unclosed quote in \"Alias /a \"/open quote\"",
                           "bad.conf line 2: missing closing '>' in \"<Directory /x\"",
                           "bad.conf line 3: </Location> without matching <Location> section",
                           "bad.conf line 5: <Directory> is never closed"}));
    ASSERT_EQ(result.directives.size(), 2);
    EXPECT_EQ(result.directives[0].arg(), "kept.example");
    EXPECT_EQ(result.directives[1].children.size(), 1) << "the open section keeps its body";
}

TEST_F(ApacheConfigurationTest, DebiansDefaultTreeHasOneSiteNamedByItsAddress) {
    EXPECT_EQ(siteNames(), QStringList{"*:80"});
    EXPECT_EQ(directories("*:80"),
              QStringList({"/ = /var/www/html", "/icons/ = /usr/share/apache2/icons"}));
    EXPECT_EQ(service.configuration().user(), "www-data") << "read through envvars";
    EXPECT_EQ(service.configuration().group(), "www-data");
    EXPECT_TRUE(service.configuration().hasModule("mpm_event"));
    EXPECT_FALSE(service.configuration().hasModule("cgid"));
    EXPECT_TRUE(problems().isEmpty()) << problems().join('\n').toStdString();
}

TEST_F(ApacheConfigurationTest, EnablingTheCgiModuleBringsDebiansCgiBinWithExecutePermission) {
    tree.enable("mods", "cgid.load");
    tree.enable("mods", "cgid.conf");
    EXPECT_EQ(directories("*:80"),
              QStringList({"/ = /var/www/html", "/icons/ = /usr/share/apache2/icons",
                           "/cgi-bin/ = /usr/lib/cgi-bin [x]"}));
}

TEST_F(ApacheConfigurationTest, SitesAreNamedUniquelyAndInheritTheMainServersRoot) {
    tree.write("conf-available/name.conf", "ServerName main.example\n");
    tree.enable("conf", "name.conf");
    tree.addSite("010-a.conf",
                 "<VirtualHost *:8080>\n  DocumentRoot /srv/a/\n</VirtualHost>\n"
                 "<VirtualHost *:8081>\n  ServerName shop.example\n</VirtualHost>\n"
                 "<VirtualHost *:8082>\n  servername shop.example\n</VirtualHost>\n");
    // A virtual host outside sites-enabled is no site.
    tree.write("conf-available/other.conf",
               "<VirtualHost *:9>\nServerName hidden\n</VirtualHost>\n");
    tree.enable("conf", "other.conf");
    tree.write("apache2.conf",
               test::TempDir::read(tree.root() + "/apache2.conf") + "DocumentRoot /srv/main\n");

    EXPECT_EQ(siteNames(), QStringList({"main.example", "main.example (*:8080)", "shop.example",
                                        "shop.example (*:8082)"}));
    EXPECT_EQ(directories("main.example").first(), "/ = /var/www/html");
    EXPECT_EQ(directories("main.example (*:8080)").first(), "/ = /srv/a");
    EXPECT_EQ(directories("shop.example").first(), "/ = /srv/main") << "inherits the main root";
}

TEST_F(ApacheConfigurationTest, AliasesNestByUrlPathAndIncludesAreFollowedWithGlobs) {
    // The site includes its aliases from a folder of its own, relative to ServerRoot, by a
    // wildcard; quoting and a continuation line as people write them.
    tree.write("sentrel.d/10-srws.conf",
               "Alias \"/srws/\" \"/srv/reports web/\"\n"
               "alias /srws/v2 '/srv/v2'\n");
    tree.write("sentrel.d/20-more.conf",
               "ScriptAlias /a/b \\\n    /srv/ab\n"
               "Alias /icons/ /srv/my-icons\n");
    tree.write("sentrel.d/notes.txt", "Alias /never /srv/never\n");
    tree.addSite("reports.conf",
                 "<VirtualHost *:80>\n"
                 "  ServerName reports.example\n"
                 "  DocumentRoot \"/srv/www root\"\n"
                 "  Include sentrel.d/*.conf\n"
                 "</VirtualHost>\n");
    EXPECT_EQ(directories("reports.example"),
              QStringList({"/ = /srv/www root", "/srws/ = /srv/reports web", "/srws/v2/ = /srv/v2",
                           "/a/b/ = /srv/ab", "/icons/ = /srv/my-icons"}))
        << "the site's own /icons/ hides the main server's";
    Directory* v2 =
        service.WebServers().Item("reports.example")->LocateDirectory({"Root", "srws", "v2"});
    ASSERT_NE(v2, nullptr);
    EXPECT_EQ(v2->Name(), "v2");
    EXPECT_EQ(service.WebServers().Item("reports.example")->LocateDirectory({"Root", "nothing"}),
              nullptr);
    EXPECT_TRUE(problems().isEmpty()) << problems().join('\n').toStdString();
}

TEST_F(ApacheConfigurationTest, BrokenPartsAreListedAndEverythingElseStillRead) {
    tree.addSite("broken.conf",
                 "<VirtualHost *:80>\n"
                 "  ServerName broken.example\n"
                 "  DocumentRoot /nonexistent/folder\n"
                 "  Include missing.conf\n"
                 "  IncludeOptional also-missing/*.conf\n"
                 "  Include nothing-here/*.conf\n"
                 "  SomeModuleDirective with \"args\"\n"
                 "  <UnknownSection x>\n    Alias /inside /srv/inside\n  </UnknownSection>\n"
                 "  Alias /half \"/srv/half\n"
                 "  Alias /after /srv/after\n"
                 "</VirtualHost>\n");
    const QString site = tree.root() + "/sites-enabled/broken.conf";
    EXPECT_EQ(siteNames(), QStringList({"*:80", "broken.example"}));
    EXPECT_EQ(directories("broken.example"),
              QStringList({"/ = /nonexistent/folder", "/after/ = /srv/after",
                           "/icons/ = /usr/share/apache2/icons"}));
    EXPECT_EQ(
        problems(),
        QStringList({"1004 " + site + " line 11: unclosed quote in \"Alias /half \"/srv/half\"",
                     "53 Include file not found: " + tree.root() + "/missing.conf",
                     "53 No files match the include " + tree.root() + "/nothing-here/*.conf"}));
}

namespace {

// The file system as an account that may not read one folder or file.
class DenyingFileSystem : public reg::KeyFileSystem {
  public:
    explicit DenyingFileSystem(QString denied) : denied_(std::move(denied)) {}
    int checkAccess(const QString& folder, reg::RegAccess access) const override {
        return folder == denied_ ? reg::ERROR_ACCESS_DENIED
                                 : KeyFileSystem::checkAccess(folder, access);
    }
    int readFile(const QString& path, QByteArray& content) const override {
        return path.startsWith(denied_) ? reg::ERROR_ACCESS_DENIED
                                        : KeyFileSystem::readFile(path, content);
    }

  private:
    QString denied_;
};

}  // namespace

TEST_F(ApacheConfigurationTest, AnUnreadableFolderIsAPermissionProblemAndTheOtherSitesStay) {
    tree.addSite("second.conf", "<VirtualHost *:81>\nServerName second.example\n</VirtualHost>\n");
    tree.write("private/secret.conf", "Alias /secret /srv/secret\n");
    tree.write("conf-available/private.conf", "Include private/*.conf\n");
    tree.enable("conf", "private.conf");
    webdirs::ApacheSetup setup = tree.setup();
    setup.files = std::make_shared<DenyingFileSystem>(tree.root() + "/private");
    WebService denied(setup);
    denied.OpenService("localhost");
    EXPECT_EQ(denied.WebServers().Count(), 2);
    ASSERT_EQ(denied.configuration().problems().size(), 1);
    EXPECT_EQ(denied.configuration().problems()[0].number, 70);
    EXPECT_EQ(denied.configuration().problems()[0].description,
              "Permission denied: folder " + tree.root() + "/private");
}

TEST_F(ApacheConfigurationTest, ExecutePermissionFollowsOptionsHandlersAndTheirMergeOrder) {
    tree.enable("mods", "cgi.load");
    tree.addSite("x.conf",
                 "<VirtualHost *:80>\n"
                 "  ServerName x.example\n"
                 "  DocumentRoot /srv/x\n"
                 "  Alias /by-ext /srv/x/ext\n"
                 "  Alias /by-files /srv/x/files\n"
                 "  Alias /no-options /srv/x/no-options\n"
                 "  Alias /switched-off /srv/x/ext/off\n"
                 "  Alias /all /srv/all\n"
                 "  <Directory /srv/x/ext>\n"
                 "    Options Indexes ExecCGI\n"
                 "    AddHandler cgi-script .DLL .pl\n"
                 "  </Directory>\n"
                 "  <Directory /srv/x/ext/off>\n    Options -ExecCGI\n  </Directory>\n"
                 "  <Directory \"/srv/x/files\">\n"
                 "    Options +ExecCGI\n"
                 "    <FilesMatch \"(?i)^norvanesrws\\.dll$\">\n      SetHandler cgi-script\n"
                 "    </FilesMatch>\n"
                 "  </Directory>\n"
                 "  <Directory /srv/x/no-options>\n    SetHandler cgi-script\n  </Directory>\n"
                 "  <DirectoryMatch \"^/srv/a.l$\">\n    Options All\n"
                 "    <Files NorvaneSRWS.*>\n      SetHandler cgi-script\n    </Files>\n"
                 "  </DirectoryMatch>\n"
                 "</VirtualHost>\n");
    EXPECT_EQ(
        directories("x.example"),
        QStringList({"/ = /srv/x", "/by-ext/ = /srv/x/ext [x]", "/by-files/ = /srv/x/files [x]",
                     "/no-options/ = /srv/x/no-options", "/switched-off/ = /srv/x/ext/off",
                     "/all/ = /srv/all [x]", "/icons/ = /usr/share/apache2/icons",
                     "/cgi-bin/ = /usr/lib/cgi-bin [x]"}));

    QFile::remove(tree.root() + "/mods-enabled/cgi.load");
    EXPECT_EQ(directories("x.example")[1], "/by-ext/ = /srv/x/ext") << "no CGI module, no CGI";
}

TEST(WebServiceTest, WithoutApacheThereIsNoConfigurationToRead) {
    test::TempDir empty;
    webdirs::ApacheSetup setup;
    setup.configRoot = empty.file("apache2");
    WebService service(setup);
    try {
        service.OpenService("localhost");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), 53);
        EXPECT_EQ(error.description(),
                  "Apache httpd configuration not found: " + empty.file("apache2/apache2.conf"));
    }
}
