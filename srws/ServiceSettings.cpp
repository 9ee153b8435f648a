#include "srws/ServiceSettings.h"

#include "registry/reader/KeyStoreReader.h"
#include "srws/Text.h"

namespace sentrel::srws {

namespace {

using reg::StoredValue;

constexpr const char* kProductKey = "SOFTWARE\\Norvane\\Browser Editor\\1.0";
constexpr const char* kOptionsKey = "SOFTWARE\\Norvane\\Browser Editor\\1.0\\options";
constexpr std::int32_t kFileProvider = 1;  // srwsProviderType of an SQLite file

// The number of UTF-16 units of UTF-8 text: stored texts are measured as the editor
// measures them.
std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++units;
        if (byte >= 0xF0) ++units;  // a character beyond the first plane takes two
    }
    return units;
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The text "-1" is what the key store answers for a key it cannot read.
bool isMissing(const StoredValue& value) {
    return value.kind == StoredValue::Kind::None ||
           (value.kind == StoredValue::Kind::Text && value.text == "-1");
}

// The options as the editor's option store reads them.
class OptionsKey {
  public:
    explicit OptionsKey(const reg::KeyStoreReader& store) : store_(store) {}

    // A number option; nullopt when it is unset.
    std::optional<std::int32_t> number(const char* name) const {
        const StoredValue value = store_.getKeyValue(kOptionsKey, name);
        return isMissing(value) ? std::nullopt : value.toInt();
    }

    // A text option; texts shorter than two characters read as unset, and unset is `byDefault`.
    std::string text(const char* name, const std::string& byDefault = {}) const {
        const StoredValue value = store_.getKeyValue(kOptionsKey, name);
        const std::string text = isMissing(value) ? std::string() : value.toString();
        return utf16Length(text) < 2 ? byDefault : text;
    }

  private:
    const reg::KeyStoreReader& store_;
};

std::string baseDirectoryOf(const reg::KeyStoreReader& store) {
    if (!store.keyExists(kProductKey)) return {};
    const StoredValue value = store.getKeyValue(kProductKey, "basedir");
    return withoutTrailingSlash(value.toString());
}

DatabaseSettings databaseOf(const OptionsKey& options) {
    DatabaseSettings database;
    const std::int32_t provider = options.number("srwsProviderType").value_or(0);
    database.kind =
        provider == kFileProvider ? reportsdb::DatabaseKind::File : reportsdb::DatabaseKind::Server;
    database.filePath = trimmed(options.text("srwsMDBPath"));
    database.server = trimmed(options.text("srwsServer"));
    const auto osAuthentication = options.number("srwsIntegratedSecurity");
    database.useOsAuthentication = !osAuthentication || *osAuthentication != 0;
    database.user = trimmed(options.text("srwsUsername"));
    database.password = options.text("srwsPassword");
    database.database = trimmed(options.text("srwsDatabase"));
    database.tableOwner = trimmed(options.text("srwsTableOwner"));
    return database;
}

std::string missingSetting(const DatabaseSettings& database) {
    if (database.kind == reportsdb::DatabaseKind::File)
        return database.filePath.empty() ? "the SQLite file is not set" : "";
    if (database.server.empty()) return "the PostgreSQL server is not set";
    if (database.database.empty()) return "the database name is not set";
    return {};
}

}  // namespace

ServiceSettings ServiceSettings::load(const std::string& registryRoot) {
    const reg::KeyStoreReader store(registryRoot.empty() ? reg::KeyStoreReader::defaultRootFolder()
                                                         : registryRoot);
    ServiceSettings settings;
    if (!store.keyExists(kOptionsKey)) {
        settings.problem = "the options key is missing in the key store " + store.rootFolder();
        return settings;
    }
    const OptionsKey options(store);
    settings.database = databaseOf(options);
    settings.logFolder = options.text("srwsLogFilePath", baseDirectoryOf(store) + "/reports/logs");
    settings.problem = missingSetting(settings.database);
    settings.found = settings.problem.empty();
    return settings;
}

}  // namespace sentrel::srws
