#include "app/update/UpdateKeys.h"

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"

namespace sentrel::update {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

}  // namespace

UpdateKeys::UpdateKeys(reg::mdlRegistry& registry, QString defaultSource)
    : registry_(registry), defaultSource_(std::move(defaultSource)) {}

QString UpdateKeys::productValue(const QString& name) const {
    return registry_.getString(reg::kProductKey, name).value_or(QString()).trimmed();
}

QString UpdateKeys::baseDirectory() const {
    return productValue(reg::kBaseDirValue);
}

QString UpdateKeys::updateSource() const {
    const QString stored = productValue(kUpdateSource);
    return stored.isEmpty() ? defaultSource_ : stored;
}

QDateTime UpdateKeys::installedRelease() const {
    return QDateTime::fromString(productValue(kInstalledRelease), Qt::ISODate);
}

bool UpdateKeys::setUpdateSource(const QString& address) {
    return registry_.setString(reg::kProductKey, kUpdateSource, address);
}

bool UpdateKeys::setInstalledRelease(const QDateTime& release) {
    return registry_.setString(reg::kProductKey, kInstalledRelease, release.toString(kDateFormat));
}

bool UpdateKeys::scheduleNextCheck(const QDateTime& now) {
    return registry_.setString(reg::kOptionsKey, kNextCheck,
                               now.addDays(kDaysBetweenChecks).toString(kDateFormat));
}

}  // namespace sentrel::update
