#include "app/FirstRunMarker.h"

#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"

namespace sentrel::app {

bool FirstRunMarker::isFirstRun() const {
    return registry_.getDword(reg::kProductKey, kValueName).value_or(0) != 1;
}

void FirstRunMarker::markDone() {
    registry_.setDword(reg::kProductKey, kValueName, 1);
}

}  // namespace sentrel::app
