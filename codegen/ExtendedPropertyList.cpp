#include "codegen/ExtendedPropertyList.h"

#include <QStringList>

#include "detect/BrowserObj.h"
#include "detect/ExtendedProperties.h"

namespace sentrel::codegen {

namespace {

// Properties the library answers for on the server even where it lists them as extended.
bool isServerSideOsProperty(const QString& name) {
    const QString lower = name.toLower();
    return lower == QLatin1String("osname") || lower == QLatin1String("osversion") ||
           lower == QLatin1String("osdetails");
}

}  // namespace

bool isExtProperty(const QString& name) {
    // The built-in list is the detection library's own: one list serves both.
    return detect::isExtProperty(name.toStdString());
}

ExtendedPropertyTest extendedPropertyTest(const QString& definitionsFile) {
    auto browser = std::make_shared<detect::BrowserObj>();
    try {
        browser->DataFile(definitionsFile.toStdString());
        browser->Initialize("dummy");
    } catch (const std::exception&) {
        return &isExtProperty;
    }
    return [browser](const QString& name) {
        return !isServerSideOsProperty(name) && browser->isExtProperty(name.toStdString());
    };
}

QString generateExtPropList(const QString& propertiesToLog,
                            const ExtendedPropertyTest& isExtended) {
    QStringList extended;
    for (const QString& name : propertiesToLog.split(QLatin1Char(','))) {
        if (isExtended(name)) extended.append(name);
    }
    return extended.join(QStringLiteral(", "));
}

}  // namespace sentrel::codegen
