#pragma once

#include <QDateTime>
#include <QString>

namespace sentrel::reg {
class mdlRegistry;
}

namespace sentrel::update {

// The download manager's values in the key store. Beside "basedir" in the product key (which
// the Setup Wizard leaves alone, unlike the options key): "updateSource", where new
// definitions come from, and "installedRelease", the release (`BDFLastUpdate`) of the
// definitions the last successful update installed. In the options key: "nextCheck", when the
// next check is due, which the editor's "Download" panel shows.
class UpdateKeys {
  public:
    static inline const QString kUpdateSource = QStringLiteral("updateSource");
    static inline const QString kInstalledRelease = QStringLiteral("installedRelease");
    static inline const QString kNextCheck = QStringLiteral("nextCheck");
    static constexpr int kDaysBetweenChecks = 7;

    // `defaultSource` answers updateSource() while the key store holds none.
    UpdateKeys(reg::mdlRegistry& registry, QString defaultSource);

    // The installation folder ("basedir"); empty when it is not registered.
    QString baseDirectory() const;
    QString updateSource() const;
    // Invalid while no update has been installed.
    QDateTime installedRelease() const;

    // Each answers whether the value was written (the key store tells the user why not).
    bool setUpdateSource(const QString& address);
    bool setInstalledRelease(const QDateTime& release);
    // "nextCheck": `now` plus seven days, as an ISO 8601 date and time.
    bool scheduleNextCheck(const QDateTime& now);

  private:
    QString productValue(const QString& name) const;

    reg::mdlRegistry& registry_;
    QString defaultSource_;
};

}  // namespace sentrel::update
