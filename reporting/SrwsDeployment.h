#pragma once

#include <QString>

#include "reporting/webdirs/ApacheSetup.h"
#include "shell/Interaction.h"

namespace sentrel {

namespace reg {
class mdlRegistry;
}
class OptionStore;

// Deploys the reports web service into its web directory when the options are saved:
// copies the service from the installation, registers its event source in the key store,
// writes our Apache httpd snippet for the directory, and makes sure Apache's account can
// read the options key and write the SQLite reports file. A deployment the service cannot
// use is told to the user, never passed over.
class SrwsDeployment {
  public:
    // `setup.keyStoreRoot` names the key store the service is to read (the one in use).
    SrwsDeployment(const OptionStore& options, reg::mdlRegistry& registry, Interaction& interaction,
                   webdirs::ApacheSetup setup);

    // Runs only when the service is to run on this server and the web directory differs from
    // the one loaded; true unless an error was reported.
    bool CopySRWS(const QString& loadedInstallPath);

    static inline const QString kEventSourceKey = QStringLiteral(
        "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Sentrel Reports Web "
        "Service");

  private:
    QString chosenSource();
    bool copyService(const QString& source, const QString& target);
    void registerEventSource(const QString& target);
    bool writeSnippet();
    bool accountHasAccess(const QString& user, const QString& group);

    const OptionStore& options_;
    reg::mdlRegistry& registry_;
    Interaction& interaction_;
    webdirs::ApacheSetup setup_;
};

}  // namespace sentrel
