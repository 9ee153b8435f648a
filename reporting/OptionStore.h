#pragma once

#include <QString>
#include <functional>

#include "reporting/DocumentVersionFields.h"

namespace sentrel {

namespace reg {
class mdlRegistry;
}

// "Log setting:" of the Logging tab, by its stored number.
enum class LoggingType : qint32 { UnknownBrowsers = 1, AllBrowsers = 2, None = 3 };
// The database the reports web service logs to, by its stored number.
enum class SrwsProvider : qint32 { SqlServer = 0, Access = 1 };

// Every persistent option of the editor and of the reports web service, as the
// Preferences and Options dialog shows and edits them, mirrored from the key store under
// HKEY_LOCAL_MACHINE "SOFTWARE\Norvane\Browser Editor\1.0\options". The detection
// component and the reports web service read the same values, so the value names and types
// are fixed.
//
// The store starts with the defaults; `load` reads every option (missing ones take their
// defaults), `save` writes every option. Code that needs an option asks the store.
class OptionStore {
  public:
    // `baseDirectory` is the installation folder: the log file and the log directory
    // default to places inside it.
    OptionStore(reg::mdlRegistry& registry, QString baseDirectory);

    // The option values, named as their values in the key store.
    bool loggingEnabled;            // "Enable logging of user agents"
    QString logFile;                // default: base directory + "/browsers.out"
    LoggingType loggingType;        // default: None
    bool loggingHitTester;          // log user agents from the Hit Tester
    bool propShowVer;               // show version properties (default on)
    bool propShowSys;               // show system properties
    bool verIncrement;              // increment the minor version on save
    bool autoload;                  // load `autoloadBDF` at start-up
    QString autoloadBDF;            // default: the "default" value of the browserdefs key
    bool perfMode;                  // detection component's cache on
    qint32 perfCacheMaximum;        // bytes per isolated process, default 330000
    qint32 perfCacheTimeout;        // seconds, default 43200
    qint32 perfCacheCleanInterval;  // seconds, default 1800
    QString rptProperties;          // properties to log, joined with ","
    bool srwsRemote;                // reports service runs on another server
    QString srwsLocalWebAddress;
    QString srwsInstallPath;
    QString srwsLogFilePath;  // default: base directory + "/reports/logs"
    QString srwsURL;
    SrwsProvider srwsProviderType;  // default: SQL Server
    QString srwsMDBPath;
    QString srwsServer;
    bool srwsIntegratedSecurity;  // default on
    QString srwsUsername;
    QString srwsPassword;
    QString srwsDatabase;
    QString srwsTableOwner;

    // The version of the open definition file as the General tab shows it; not an option
    // of the key store. The file's lifecycle shows and clears it.
    DocumentVersionFields version;

    // Every option back to its default: the log file and the log directory inside the base
    // directory, the start-up file the "default" value of the browserdefs key.
    void resetToDefaults();

    // Reads every option from the key store. Reads never show a message: a missing key or
    // value, or one that cannot be read as its type, gives the default.
    //  - A number option reads as its number; the on/off options switch away from their
    //    default only on their exact stored number (1 turns an "off" option on, 0 turns an
    //    "on" option off); `loggingType` and `srwsProviderType` outside their choices read
    //    as their defaults. The three cache numbers also accept a stored decimal text.
    //  - A text option reads through GetRegValStr. `logFile`, `srwsLogFilePath` and
    //    `autoloadBDF` take their defaults when they read empty (a one-character text reads
    //    empty, so it also takes the default).
    void load();

    // Writes every option, the editor's options first (the first write creates a missing
    // options key), then `betweenGroups` runs (the dialog applies the version fields to the
    // open file there), then the reporting and cache options. A failed write is shown by the
    // registry module and the save goes on with the next value; it answers false when any
    // value was not written, so the caller can keep the user's edits.
    bool save(const std::function<void()>& betweenGroups = {});

    // A text option as stored: empty when the key or the value is missing (the key store
    // answers "-1" for a key it cannot open), a number's decimal text for a number. A stored
    // text shorter than two characters also reads back empty.
    QString GetRegValStr(const QString& valueName) const;

    const QString& baseDirectory() const { return baseDirectory_; }
    // The key store the options live in.
    reg::mdlRegistry& registry() const { return *registry_; }

  private:
    void loadOption(int row);
    QString loadedText(int row) const;
    bool saveOption(int row, bool createKey);
    QString textDefault(int row) const;
    QString browserDefsDefault() const;

    reg::mdlRegistry* registry_;
    QString baseDirectory_;
};

}  // namespace sentrel
