#pragma once

namespace sentrel {

// The change and test flags of the two reporting tabs. Loading the options clears them;
// the handlers of the reporting tabs set them.
struct ReportingFlags {
    bool dbSettingsChanged = false;   // a Reports Database field changed since load or test
    bool rptSettingsChanged = false;  // the properties to log changed, or a test was run
    bool tablesInitialized = false;
    bool tablesTested = false;
    bool tablesTestPassed = false;
};

}  // namespace sentrel
