#include "detect/ExtendedProperties.h"

#include <algorithm>
#include <array>

#include "detect/TextCompare.h"

namespace sentrel::detect {

namespace {

// Properties whose values only a script running in the browser can find out.
constexpr std::array<std::string_view, 73> kExtendedProperties = {"ActiveXEnabled",
                                                                  "BrowserBuild",
                                                                  "BrowserDateTime",
                                                                  "BrowserDateTimeMs",
                                                                  "ColorDepth",
                                                                  "ConnectionSpeed",
                                                                  "ConnectionType",
                                                                  "CookiesEnabled",
                                                                  "Firewall",
                                                                  "FontsInstalled",
                                                                  "FontSmoothing",
                                                                  "Height",
                                                                  "HeightAvail",
                                                                  "ImagesEnabled",
                                                                  "JavaEnabled",
                                                                  "JavaScriptBuild",
                                                                  "JavaScriptEnabled",
                                                                  "JavaVendor",
                                                                  "JavaVersion",
                                                                  "LangSystem",
                                                                  "LangUser",
                                                                  "MSJVMBuild",
                                                                  "MSXML",
                                                                  "NetMeetingBuild",
                                                                  "OpenPorts",
                                                                  "Plugin_Acrobat",
                                                                  "Plugin_AcrobatVerEx",
                                                                  "Plugin_Authorware",
                                                                  "Plugin_Citrix",
                                                                  "Plugin_CrystalReports",
                                                                  "Plugin_Custom",
                                                                  "Plugin_Director",
                                                                  "Plugin_DirectorVerEx",
                                                                  "Plugin_Flash",
                                                                  "Plugin_FlashVerEx",
                                                                  "Plugin_iPIXViewer",
                                                                  "Plugin_JavaVer",
                                                                  "Plugin_Mapguide",
                                                                  "Plugin_MediaPlayer",
                                                                  "Plugin_MediaPlayerVerEx",
                                                                  "Plugin_QuickTime",
                                                                  "Plugin_QuickTimeVerEx",
                                                                  "Plugin_RealPlayer",
                                                                  "Plugin_RealPlayerBuild",
                                                                  "Plugin_SVGViewer",
                                                                  "Plugin_Viewpoint",
                                                                  "PopupsBlocked",
                                                                  "Referrer",
                                                                  "ServicePack",
                                                                  "SSLEnabled",
                                                                  "SSLKeySize",
                                                                  "TextSize",
                                                                  "TimeZoneDiff",
                                                                  "VBScriptBuild",
                                                                  "VBScriptEnabled",
                                                                  "Width",
                                                                  "WidthAvail",
                                                                  "HighSecurity",
                                                                  "OSArch",
                                                                  "ContainerBrowser",
                                                                  "ContainerVersion",
                                                                  "ContainerFullVersion",
                                                                  "Broadband",
                                                                  "DisplayXDPIActual",
                                                                  "DisplayYDPIActual",
                                                                  "DisplayXDPILogical",
                                                                  "DisplayYDPILogical",
                                                                  "ConnectionLatency",
                                                                  "UploadConnectionSpeed",
                                                                  "IECompatibilityMode",
                                                                  "WindowsUI",
                                                                  "WebStorageEnabled",
                                                                  "OpenWebResources"};

}  // namespace

bool isExtProperty(std::string_view name) {
    const std::string_view wanted = trimmed(name);
    return std::any_of(
        kExtendedProperties.begin(), kExtendedProperties.end(),
        [wanted](std::string_view known) { return equalsIgnoreCase(known, wanted); });
}

}  // namespace sentrel::detect
