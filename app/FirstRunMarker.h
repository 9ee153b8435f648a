#pragma once

#include <QString>

namespace sentrel::reg {
class mdlRegistry;
}

namespace sentrel::app {

// Recognises the first run after installation: until the Setup Wizard has run once, the
// product key has no "firstRunDone" value. The installer (scripts/run.sh, a package) does
// not write it; re-installing by deleting it brings the wizard back.
class FirstRunMarker {
  public:
    static inline const QString kValueName = QStringLiteral("firstRunDone");

    explicit FirstRunMarker(reg::mdlRegistry& registry) : registry_(registry) {}

    bool isFirstRun() const;
    // Records that the first run is over (the wizard has run).
    void markDone();

  private:
    reg::mdlRegistry& registry_;
};

}  // namespace sentrel::app
