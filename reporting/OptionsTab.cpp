#include "reporting/OptionsTab.h"

namespace sentrel {

namespace {

struct TabInfo {
    const char* caption;
    int helpContext;
};

constexpr TabInfo kTabs[kOptionsTabCount] = {
    {"General", 794},           {"Logging", 888}, {"Cache", 710}, {"Reporting Options", 1054},
    {"Reports Database", 1055},
};

}  // namespace

QString optionsTabCaption(OptionsTab tab) {
    return QString::fromLatin1(kTabs[int(tab)].caption);
}

int optionsTabHelpContext(OptionsTab tab) {
    return kTabs[int(tab)].helpContext;
}

OptionsTab optionsTabAt(int index) {
    return index >= 0 && index < kOptionsTabCount ? OptionsTab(index) : OptionsTab::General;
}

}  // namespace sentrel
