#include "reporting/PreferencesCommand.h"

#include "reporting/OptionStore.h"

namespace sentrel {

void PreferencesCommand::operator()() const {
    const bool showVer = options->propShowVer;
    const bool showSys = options->propShowSys;
    if (showDialog) showDialog();
    const bool displayChanged = options->propShowVer != showVer || options->propShowSys != showSys;
    if (displayChanged && fileOpen && fileOpen() && refreshSelected) refreshSelected();
}

}  // namespace sentrel
