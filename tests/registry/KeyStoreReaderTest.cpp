// The plain reader of the key store against mdlRegistry on real stores: the stores are
// written and read through mdlRegistry by the registry worker (a Qt program of its own), so
// this test program loads no Qt.
#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "registry/reader/FolderName.h"
#include "registry/reader/KeyStoreReader.h"

extern char** environ;

using sentrel::reg::KeyStoreReader;
using sentrel::reg::StoredValue;

namespace {

const std::string kOptions = "SOFTWARE\\Norvane\\Browser Editor\\1.0\\options";

struct Probe {
    std::string key;
    std::string name;
};

// All output of a file descriptor until its end.
std::string readAll(int fd) {
    std::string out;
    char buffer[4096];
    for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;) out.append(buffer, count);
    return out;
}

// Runs the registry worker and answers what it printed; fails the test when it fails.
std::string runWorker(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(REGISTRY_WORKER)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, REGISTRY_WORKER, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    const std::string printed = readAll(out[0]);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[0];
    return printed;
}

std::string hexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : bytes) (out += digits[c >> 4]) += digits[c & 15];
    return out;
}

// The reader's answer in the worker's words: whether the key exists, then the value.
std::string answerOf(const KeyStoreReader& reader, const Probe& probe) {
    const StoredValue value = reader.getKeyValue(probe.key, probe.name);
    std::string out = reader.keyExists(probe.key) ? "1 " : "0 ";
    if (value.kind == StoredValue::Kind::Text) return out + "text:" + hexOf(value.text) + "\n";
    if (value.kind == StoredValue::Kind::Number) {
        return out + "number:" + std::to_string(value.number) + "\n";
    }
    return out + "none\n";
}

std::string readerAnswers(const std::vector<Probe>& probes) {
    const KeyStoreReader reader(KeyStoreReader::defaultRootFolder());
    std::string out;
    for (const Probe& probe : probes) out += answerOf(reader, probe);
    return out;
}

// The same in a child process running as the account "nobody".
std::string readerAnswersAsNobody(const std::vector<Probe>& probes) {
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        const bool nobody =
            ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        const std::string answers = nobody ? readerAnswers(probes) : "not nobody";
        const bool written =
            ::write(out[1], answers.data(), answers.size()) == ssize_t(answers.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(out[1]);
    const std::string answers = readAll(out[0]);
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    return answers;
}

std::vector<std::string> readArguments(const char* job, const std::vector<Probe>& probes) {
    std::vector<std::string> args{job};
    for (const Probe& probe : probes) {
        args.push_back(probe.key);
        args.push_back(probe.name);
    }
    return args;
}

// Each answer line with the probe it belongs to, for readable failures.
std::vector<std::string> labelled(const std::vector<Probe>& probes, const std::string& answers) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (const Probe& probe : probes) {
        const std::size_t end = answers.find('\n', start);
        const std::string line =
            end == std::string::npos ? "(missing)" : answers.substr(start, end - start);
        lines.push_back(probe.key + " | " + probe.name + " -> " + line);
        start = end == std::string::npos ? answers.size() : end + 1;
    }
    return lines;
}

class KeyStoreReaderTest : public ::testing::Test {
  protected:
    KeyStoreReaderTest() {
        char pattern[] = "/tmp/keystore-reader-XXXXXX";
        root = ::mkdtemp(pattern);
        std::filesystem::permissions(root, std::filesystem::perms(0755));
        ::setenv("SENTREL_REGISTRY", root.c_str(), 1);
    }
    ~KeyStoreReaderTest() override {
        ::unsetenv("SENTREL_REGISTRY");
        std::filesystem::remove_all(root);
    }

    void store(const std::vector<std::string>& quadruples) {
        std::vector<std::string> args{"store"};
        args.insert(args.end(), quadruples.begin(), quadruples.end());
        runWorker(args);
    }
    std::string folderOf(const std::string& levels) const {
        return root + "/HKEY_LOCAL_MACHINE/" + levels;
    }
    void writeValuesFile(const std::string& levels, const std::string& content) const {
        std::filesystem::create_directories(folderOf(levels));
        std::ofstream(folderOf(levels) + "/values.reg", std::ios::binary) << content;
    }
    void expectAgreement(const std::vector<Probe>& probes) {
        EXPECT_EQ(labelled(probes, readerAnswers(probes)),
                  labelled(probes, runWorker(readArguments("read", probes))));
    }

    std::string root;
};

TEST_F(KeyStoreReaderTest, ValuesWrittenByTheEditorReadAsMdlRegistryReadsThem) {
    // clang-format off
    store({kOptions, "plain", "sz", "hello",
           kOptions, "empty", "sz", "",
           kOptions, "accents", "sz", "Grüße ✓ 日本",
           kOptions, "quoted", "sz", "say \"hi\" C:\\dir\\",
           kOptions, "lines", "sz", "a\r\nb",
           kOptions, "number", "sz", " 12 ",
           kOptions, "answer", "dword", "42",
           kOptions, "negative", "dword", "-7",
           kOptions, "lowest", "dword", "-2147483648",
           kOptions, "binary", "3", "0102ff",
           kOptions, "expand", "2", "6869",
           kOptions, "short", "4", "0102",
           "SOFTWARE\\Norvane\\Mixed Case", "v", "sz", "1"});
    // clang-format on
    std::vector<Probe> probes;
    for (const char* name :
         {"plain", "empty", "accents", "quoted", "lines", "number", "answer", "negative", "lowest",
          "binary", "expand", "short", "PLAIN", "absent"}) {
        probes.push_back({kOptions, name});
    }
    probes.insert(probes.end(), {{"software\\NORVANE\\browser editor\\1.0\\Options", "Answer"},
                                 {"SOFTWARE\\Norvane\\mixed case", "V"},
                                 {"\\SOFTWARE\\\\Norvane\\Mixed Case\\", "v"},
                                 {"SOFTWARE\\Norvane\\missing", "v"},
                                 {"SOFTWARE\\Norvane\\Mixed Case\\deeper", "v"},
                                 {"", "v"}});
    expectAgreement(probes);

    const KeyStoreReader reader(root);
    EXPECT_EQ(reader.getKeyValue(kOptions, "quoted").text, "say \"hi\" C:\\dir\\");
    EXPECT_EQ(reader.getKeyValue(kOptions, "negative").number, -7);
    EXPECT_EQ(reader.getKeyValue("SOFTWARE\\Norvane\\missing", "v").toString(), "-1");
}

TEST_F(KeyStoreReaderTest, HandEditedValuesFileReadsAsMdlRegistryReadsIt) {
    writeValuesFile("SOFTWARE/Hand",
                    "\xEF\xBB\xBFREGEDIT4\n"
                    "\"first\"=\"1\"\n"
                    "junk line without equals\n"
                    "\"broken\"=\"no end\n"
                    "\"wrapped\"=hex(1):41,\\\n  42,\\\n  00\n"
                    "\"binary\"=HEX:01,\\\n"
                    "  02\n"
                    "\"bom\"=\"\xEF\xBB\xBFtext\"\n"
                    "\"invalid\"=hex(1):ff,41,00\n"
                    "\"dw\"=dword:0000002A\n"
                    "\"signed\"=dword:+1\n"
                    "\"dup\"=\"first\"\n"
                    "\"DUP\"=\"second\"\n"
                    "\xEF\xBB\xBF\"afterbom\"=\"x\"\r\n"
                    "@=\"unnamed\"\n"
                    "  \"spaced\"  =  dword:ffffffff  \n"
                    "\"cut\"=hex:01,\\");
    std::vector<Probe> probes;
    for (const char* name : {"first", "broken", "wrapped", "binary", "bom", "invalid", "dw",
                             "signed", "dup", "afterbom", "", "spaced", "cut", "junk"}) {
        probes.push_back({"SOFTWARE\\Hand", name});
    }
    expectAgreement(probes);

    const KeyStoreReader reader(root);
    EXPECT_EQ(reader.getKeyValue("SOFTWARE\\Hand", "wrapped").text, "AB");
    EXPECT_EQ(reader.getKeyValue("SOFTWARE\\Hand", "dup").text, "first");
    EXPECT_EQ(reader.getKeyValue("SOFTWARE\\Hand", "").text, "unnamed");
}

TEST_F(KeyStoreReaderTest, KeysAnAccountMayNotReadReadAsMdlRegistryReadsThem) {
    store({"SOFTWARE\\Open", "a", "sz", "open", "SOFTWARE\\Closed", "a", "sz", "closed",
           "SOFTWARE\\Sealed", "a", "sz", "sealed"});
    std::filesystem::permissions(folderOf("SOFTWARE/Closed"), std::filesystem::perms(0700));
    std::filesystem::permissions(folderOf("SOFTWARE/Sealed/values.reg"),
                                 std::filesystem::perms(0600));
    const std::vector<Probe> probes{
        {"SOFTWARE\\Open", "a"}, {"SOFTWARE\\Closed", "a"}, {"SOFTWARE\\Sealed", "a"}};
    const std::string asNobody = readerAnswersAsNobody(probes);
    EXPECT_EQ(labelled(probes, asNobody),
              labelled(probes, runWorker(readArguments("read-as-nobody", probes))));
    EXPECT_EQ(asNobody, "1 text:6f70656e\n0 text:2d31\n1 none\n");
}

TEST_F(KeyStoreReaderTest, RootFolderFollowsTheEnvironment) {
    const std::string machine = root + "/machine";
    std::filesystem::create_directory(machine);
    EXPECT_EQ(KeyStoreReader::defaultRootFolder(machine), root);
    ::setenv("SENTREL_REGISTRY", "", 1);
    EXPECT_EQ(KeyStoreReader::defaultRootFolder(machine), machine);
    const std::string missing = root + "/missing";
    ::setenv("XDG_CONFIG_HOME", "/config/of/user", 1);
    EXPECT_EQ(KeyStoreReader::defaultRootFolder(missing), "/config/of/user/sentrel/registry");
    ::unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("HOME", "/home//someone/", 1);
    EXPECT_EQ(KeyStoreReader::defaultRootFolder(missing), "/home/someone/.config/sentrel/registry");
    ::unsetenv("HOME");
    EXPECT_EQ(KeyStoreReader::defaultRootFolder(missing),
              std::string(::getpwuid(::getuid())->pw_dir) + "/.config/sentrel/registry");
    if (home) ::setenv("HOME", savedHome.c_str(), 1);

    const std::string current = std::filesystem::current_path();
    EXPECT_EQ(KeyStoreReader("/a//b/./c/../").rootFolder(), "/a/b");
    EXPECT_EQ(KeyStoreReader("rel/x/..").rootFolder(), current + "/rel");
    EXPECT_EQ(KeyStoreReader("").rootFolder(), current);
    EXPECT_EQ(KeyStoreReader("/../a").rootFolder(), "/../a");
}

TEST(StoredValueTest, TextAndNumbersConvertAsTheEditorConvertsThem) {
    using Kind = StoredValue::Kind;
    const struct {
        StoredValue value;
        std::string text;
        std::optional<std::int32_t> number;
    } cases[] = {
        {{Kind::None, "", 0}, "", std::nullopt},
        {{Kind::Number, "", -3}, "-3", -3},
        {{Kind::Text, " 12 ", 0}, " 12 ", 12},
        {{Kind::Text, "\xC2\xA0+5\xE3\x80\x80", 0}, "\xC2\xA0+5\xE3\x80\x80", 5},
        {{Kind::Text, "-2147483648", 0}, "-2147483648", -2147483647 - 1},
        {{Kind::Text, "2147483648", 0}, "2147483648", std::nullopt},
        {{Kind::Text, "+-1", 0}, "+-1", std::nullopt},
        {{Kind::Text, "12a", 0}, "12a", std::nullopt},
        {{Kind::Text, "1 2", 0}, "1 2", std::nullopt},
        {{Kind::Text, "", 0}, "", std::nullopt},
    };
    for (const auto& expected : cases) {
        EXPECT_EQ(expected.value.toString(), expected.text);
        EXPECT_EQ(expected.value.toInt(), expected.number) << expected.text;
    }
}

TEST(FolderNameTest, EscapesReadBackAsTheCharactersOfTheirCodes) {
    using sentrel::reg::folderNameOfKey;
    using sentrel::reg::keyNameOfFolder;
    const std::pair<std::string, std::string> cases[] = {
        {"1.0%2Fbeta", "1.0/beta"},
        {"%25%2e%2E", "%.."},
        {"%e9t%C3%A9", "ét\xC3\x83\xC2\xA9"},
        {"%-1", "\xEF\xBF\xBF"},
        {"% 1", "\x01"},
        {"%1\t", "\x01"},
        {"%zz%2", "%zz%2"},
        {"%\xC3\xA9", "%\xC3\xA9"},
        {"%00", std::string(1, '\0')},
    };
    for (const auto& [folder, key] : cases) EXPECT_EQ(keyNameOfFolder(folder), key) << folder;
    for (const std::string& key :
         std::vector<std::string>{"a/b%c", ".", "..", "...", std::string("nul\0x", 5)}) {
        EXPECT_EQ(keyNameOfFolder(folderNameOfKey(key)), key) << key;
    }
    EXPECT_EQ(folderNameOfKey(".."), "%2E%2E");
}

}  // namespace
