#include "reporting/OptionsEnabling.h"

#include "reporting/OptionStore.h"

namespace sentrel {

OptionsEnabling OptionsEnabling::of(const OptionStore& options) {
    OptionsEnabling enabling;
    enabling.versionBoxes = options.version.enabled();
    enabling.startupFileBox = options.autoload;
    enabling.loggingControls = options.loggingEnabled;
    enabling.cacheControls = options.perfMode;
    enabling.locationControls = !options.srwsRemote;
    return enabling;
}

void setLoggingEnabled(OptionStore& options, bool enabled) {
    options.loggingEnabled = enabled;
    if (!enabled) options.loggingHitTester = false;
}

}  // namespace sentrel
