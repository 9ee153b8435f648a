#pragma once

#include <QString>

namespace sentrel {

// The tabs of the Preferences and Options dialog, by index.
enum class OptionsTab : int {
    General = 0,
    Logging = 1,
    Cache = 2,
    ReportingOptions = 3,
    ReportsDatabase = 4,
};

inline constexpr int kOptionsTabCount = 5;

// The tab's caption ("General", ..., "Reports Database").
QString optionsTabCaption(OptionsTab tab);
// The help context of the tab, for the dialog's Help button.
int optionsTabHelpContext(OptionsTab tab);
// The tab of an index; indexes outside the dialog's tabs give General.
OptionsTab optionsTabAt(int index);

}  // namespace sentrel
