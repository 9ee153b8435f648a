#include "codegen/properties/PropertyNameSource.h"

#include <exception>

#include "codegen/properties/BuiltInPropertyNames.h"
#include "detect/BrowserObj.h"

namespace sentrel::codegen {

namespace {

// Names the library knows that are not visitor properties to log.
bool isLoggable(const QString& name) {
    const QString lower = name.toLower();
    return !lower.startsWith(QLatin1String("i__")) && lower != QLatin1String("versionpos") &&
           lower != QLatin1String("sslciphersuite");
}

}  // namespace

PropertyNameSource::PropertyNameSource(const QString& baseDirectory)
    : bddPath_(baseDirectory + QStringLiteral("/maindefs.bdd")) {}

QStringList PropertyNameSource::operator()() const {
    return detectedNames(bddPath_).value_or(manuallyAddPropertyName());
}

std::optional<QStringList> PropertyNameSource::detectedNames(const QString& bddPath) {
    QStringList names;
    try {
        detect::BrowserObj browser;
        browser.DataFile(bddPath.toStdString());
        browser.Initialize("dummy");
        for (const std::string& name : browser.propertyNames()) {
            const QString text = QString::fromStdString(name);
            if (isLoggable(text)) names << text;
        }
    } catch (const std::exception&) {
        // A missing or damaged BDD is no error here: the built-in names serve instead.
        return std::nullopt;
    }
    return names;
}

}  // namespace sentrel::codegen
