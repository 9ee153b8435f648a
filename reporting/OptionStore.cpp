#include "reporting/OptionStore.h"

#include <iterator>
#include <variant>

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/CacheRecommendation.h"

namespace sentrel {

namespace {

using S = OptionStore;
using Member =
    std::variant<bool S::*, qint32 S::*, LoggingType S::*, SrwsProvider S::*, QString S::*>;

// The editor's own options are written first, the reporting and cache options after the
// open file's version.
enum class Group { Editor, Reporting };

// Where a text option's default comes from.
struct TextDefault {
    enum Kind { Empty, InBaseDirectory, BrowserDefs } kind = Empty;
    const char* relativePath = "";
};

struct OptionRow {
    const char* name;
    Member member;
    Group group;
    qint32 number = 0;  // default of a number, choice or on/off option (1 on, 0 off)
    TextDefault text = {};
};

constexpr Group kEditor = Group::Editor;
constexpr Group kReporting = Group::Reporting;
constexpr CacheSettings kCache = kDefaultCacheSettings;

// Every option: its value name, member (whose type gives the stored type: text options are
// strings, all others 32-bit numbers), group and default. Saved in this order.
// clang-format off
const OptionRow kOptions[] = {
    {"loggingEnabled",         &S::loggingEnabled,         kEditor},
    {"logFile",                &S::logFile,                kEditor, 0,
                               {TextDefault::InBaseDirectory, "/browsers.out"}},
    {"loggingType",            &S::loggingType,            kEditor, qint32(LoggingType::None)},
    {"loggingHitTester",       &S::loggingHitTester,       kEditor},
    {"propShowVer",            &S::propShowVer,            kEditor, 1},
    {"propShowSys",            &S::propShowSys,            kEditor},
    {"verIncrement",           &S::verIncrement,           kEditor},
    {"autoload",               &S::autoload,               kEditor},
    {"autoloadBDF",            &S::autoloadBDF,            kEditor, 0, {TextDefault::BrowserDefs}},
    {"perfMode",               &S::perfMode,               kReporting},
    {"perfCacheMaximum",       &S::perfCacheMaximum,       kReporting, kCache.maximum},
    {"perfCacheTimeout",       &S::perfCacheTimeout,       kReporting, kCache.timeout},
    {"perfCacheCleanInterval", &S::perfCacheCleanInterval, kReporting, kCache.cleanInterval},
    {"rptProperties",          &S::rptProperties,          kReporting},
    {"srwsRemote",             &S::srwsRemote,             kReporting},
    {"srwsLocalWebAddress",    &S::srwsLocalWebAddress,    kReporting},
    {"srwsInstallPath",        &S::srwsInstallPath,        kReporting},
    {"srwsLogFilePath",        &S::srwsLogFilePath,        kReporting, 0,
                               {TextDefault::InBaseDirectory, "/reports/logs"}},
    {"srwsURL",                &S::srwsURL,                kReporting},
    {"srwsProviderType",       &S::srwsProviderType,       kReporting,
                               qint32(SrwsProvider::SqlServer)},
    {"srwsMDBPath",            &S::srwsMDBPath,            kReporting},
    {"srwsServer",             &S::srwsServer,             kReporting},
    {"srwsIntegratedSecurity", &S::srwsIntegratedSecurity, kReporting, 1},
    {"srwsUsername",           &S::srwsUsername,           kReporting},
    {"srwsPassword",           &S::srwsPassword,           kReporting},
    {"srwsDatabase",           &S::srwsDatabase,           kReporting},
    {"srwsTableOwner",         &S::srwsTableOwner,         kReporting},
};
// clang-format on
constexpr int kOptionCount = int(std::size(kOptions));

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
// clang before 17 does not deduce an aggregate's template arguments without this guide.
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

bool isChoice(LoggingType, qint32 stored) {
    return stored >= qint32(LoggingType::UnknownBrowsers) && stored <= qint32(LoggingType::None);
}
bool isChoice(SrwsProvider, qint32 stored) {
    return stored == qint32(SrwsProvider::SqlServer) || stored == qint32(SrwsProvider::Access);
}

// The key store answers the text "-1" for a key it cannot open.
bool isMissing(const reg::RegValue& value) {
    return value.isEmpty() || (value.isString() && value.toString() == QStringLiteral("-1"));
}

std::optional<qint32> storedNumber(const reg::RegValue& value) {
    return isMissing(value) ? std::nullopt : value.toInt();
}

// An on/off option leaves its default only on the exact number of the other state.
bool flagFrom(std::optional<qint32> stored, bool byDefault) {
    if (!stored) return byDefault;
    return byDefault ? *stored != 0 : *stored == 1;
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

}  // namespace

OptionStore::OptionStore(reg::mdlRegistry& registry, QString baseDirectory)
    : registry_(&registry), baseDirectory_(withoutTrailingSlash(std::move(baseDirectory))) {
    resetToDefaults();
}

void OptionStore::resetToDefaults() {
    for (int row = 0; row < kOptionCount; ++row) {
        const OptionRow& option = kOptions[row];
        std::visit(Overloaded{
                       [&](bool S::*m) { this->*m = option.number != 0; },
                       [&](qint32 S::*m) { this->*m = option.number; },
                       [&](QString S::*m) { this->*m = textDefault(row); },
                       [&]<class Choice>(Choice S::*m) { this->*m = Choice(option.number); },
                   },
                   option.member);
    }
}

void OptionStore::load() {
    for (int row = 0; row < kOptionCount; ++row) loadOption(row);
}

void OptionStore::loadOption(int row) {
    const OptionRow& option = kOptions[row];
    const QString name = QString::fromLatin1(option.name);
    const auto stored = [&] {
        return storedNumber(
            registry_->GetKeyValue(reg::HKEY_LOCAL_MACHINE, reg::kOptionsKey, name));
    };
    std::visit(Overloaded{
                   [&](bool S::*m) { this->*m = flagFrom(stored(), option.number != 0); },
                   [&](qint32 S::*m) { this->*m = stored().value_or(option.number); },
                   [&](QString S::*m) { this->*m = loadedText(row); },
                   [&]<class Choice>(Choice S::*m) {
                       const qint32 number = stored().value_or(option.number);
                       this->*m = Choice(isChoice(Choice{}, number) ? number : option.number);
                   },
               },
               option.member);
}

QString OptionStore::loadedText(int row) const {
    const QString text = GetRegValStr(QString::fromLatin1(kOptions[row].name));
    return text.isEmpty() ? textDefault(row) : text;
}

bool OptionStore::save(const std::function<void()>& betweenGroups) {
    bool everyWrite = true;
    for (int row = 0; row < kOptionCount; ++row) {
        const bool groupStarts = row > 0 && kOptions[row].group != kOptions[row - 1].group;
        if (groupStarts && betweenGroups) betweenGroups();
        // A refused value has been reported; the others are written all the same.
        if (!saveOption(row, row == 0)) everyWrite = false;
    }
    return everyWrite;
}

bool OptionStore::saveOption(int row, bool createKey) {
    const OptionRow& option = kOptions[row];
    const auto [value, type] = std::visit(
        Overloaded{
            [&](bool S::*m) {
                return std::pair(reg::RegValue(qint32(this->*m ? 1 : 0)), reg::REG_DWORD);
            },
            [&](qint32 S::*m) { return std::pair(reg::RegValue(this->*m), reg::REG_DWORD); },
            [&](QString S::*m) { return std::pair(reg::RegValue(this->*m), reg::REG_SZ); },
            [&]<class Choice>(Choice S::*m) {
                return std::pair(reg::RegValue(qint32(this->*m)), reg::REG_DWORD);
            },
        },
        option.member);
    return registry_->SetKeyValue(reg::HKEY_LOCAL_MACHINE, reg::kOptionsKey,
                                  QString::fromLatin1(option.name), value, type, createKey);
}

QString OptionStore::GetRegValStr(const QString& valueName) const {
    const reg::RegValue value =
        registry_->GetKeyValue(reg::HKEY_LOCAL_MACHINE, reg::kOptionsKey, valueName);
    if (isMissing(value)) return QString();
    // Stored texts shorter than two characters read back empty: that is how the options
    // have always been read, and the other programs reading this key do the same.
    const QString text = value.toString();
    return text.size() < 2 ? QString() : text;
}

QString OptionStore::textDefault(int row) const {
    const TextDefault& text = kOptions[row].text;
    switch (text.kind) {
        case TextDefault::InBaseDirectory:
            return baseDirectory_ + QString::fromLatin1(text.relativePath);
        case TextDefault::BrowserDefs:
            return browserDefsDefault();
        case TextDefault::Empty:
            break;
    }
    return QString();
}

QString OptionStore::browserDefsDefault() const {
    const reg::RegValue value = registry_->GetKeyValue(
        reg::HKEY_LOCAL_MACHINE, reg::kBrowserDefsKey, QStringLiteral("default"));
    return isMissing(value) ? QString() : value.toString();
}

}  // namespace sentrel
