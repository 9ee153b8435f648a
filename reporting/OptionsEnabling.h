#pragma once

namespace sentrel {

class OptionStore;

// Which groups of controls of the Preferences and Options dialog are enabled, derived from
// the options as the dialog shows them.
struct OptionsEnabling {
    bool versionBoxes = false;      // the version boxes and labels: only while a file is open
    bool startupFileBox = false;    // the start-up file: while "autoload" is checked
    bool loggingControls = false;   // log setting, server ID, log file, Hit Tester box
    bool cacheControls = false;     // the cache labels, boxes and "Recommend my cache settings..."
    bool locationControls = false;  // web address, web directory, log directory: this server

    static OptionsEnabling of(const OptionStore& options);
};

// The "Enable logging of user agents" box was checked or unchecked: unchecking it also
// unchecks "Log user agents from Hit Tester".
void setLoggingEnabled(OptionStore& options, bool enabled);

}  // namespace sentrel
