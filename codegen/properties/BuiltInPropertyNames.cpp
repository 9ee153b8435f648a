#include "codegen/properties/BuiltInPropertyNames.h"

namespace sentrel::codegen {

namespace {

const char* const kBuiltInNames =
    "Majorver,Minorver,Minorverlet,Version,Fullversion,Browser,BrowserBuild,"
    "IECompatibilityMode,ServicePack,Gecko,GeckoBuildDate,Beta,Frames,IFrames,Tables,"
    "Cookies,CookiesEnabled,WebStorageEnabled,Backgroundsounds,VBScript,VBScriptEnabled,"
    "VBScriptBuild,JavaScript,JavaScriptEnabled,JavaScriptBuild,JavaApplets,JavaEnabled,"
    "JavaVersion,JavaVendor,MSJVMBuild,ActiveXControls,ActiveXEnabled,ImagesEnabled,"
    "WinInstallerMinVer,AOL,AOLVersion,SSL,SSLEnabled,SSLActive,SSLKeySize,TLSVersion,"
    "TLSVersionMax,Win16,Crawler,CDF,Platform,NETCLRInstalled,NETCLRVersion,Language,"
    "LangUser,LangSystem,TimeZoneDiff,BrowserDateTime,BrowserDateTimeMs,"
    "AuthenticodeUpdate,StyleSheets,Proxy,ProxyString,Firewall,OpenPorts,OSDetails,MSN,"
    "Gold,DHTML,FileUpload,MouseOver,PNG,FontSmoothing,FontColor,FontSize,FontsInstalled,"
    "TextSize,TableBGColor,JavaScriptVer,IPAddr,Country,TableBGImage,CompressGZip,"
    "EmailCrawler,Height,HeightAvail,Width,WidthAvail,WindowsUI,PopupsBlocked,"
    "ConnectionType,ConnectionSpeed,Plugin_Flash,Plugin_FlashVerEx,Plugin_Silverlight,"
    "Plugin_SilverlightVerEx,Plugin_Director,Plugin_DirectorVerEx,Plugin_QuickTime,"
    "Plugin_QuickTimeVerEx,Plugin_Acrobat,Plugin_AcrobatVerEx,Plugin_RealPlayer,"
    "Plugin_RealPlayerBuild,Plugin_MediaPlayer,Plugin_MediaPlayerVerEx,Plugin_iPIXViewer,"
    "Plugin_SVGViewer,Plugin_CrystalReports,Plugin_Viewpoint,Plugin_Authorware,"
    "Plugin_Mapguide,Plugin_Citrix,Plugin_JavaVer,Plugin_Custom,NetMeetingBuild,"
    "ColorDepth,XML,MSXML,WAP,WAP_DeviceModel,WAP_Gateway,WAP_SubscriberID,"
    "WAP_MaxDeckSize,HDML,PDA,CharHeightAvail,CharWidthAvail,Broadband,HighSecurity,"
    "OSName,OSVersion,OSArch,ContainerBrowser,ContainerVersion,ContainerFullVersion,"
    "XMLHttpRequest,CORSSupport,DisplayXDPIActual,DisplayYDPIActual,DisplayXDPILogical,"
    "DisplayYDPILogical,ConnectionLatency,MobileDevice,DeviceName,UploadConnectionSpeed,"
    "UploadConnectionLatency,Plugin_FlashBlocked,DeviceType,WebKit,WebKitVersion,"
    "BrowserBitSize,OSBitSize,OpenWebResources";

}  // namespace

QStringList manuallyAddPropertyName() {
    return QString::fromLatin1(kBuiltInNames).split(QLatin1Char(','));
}

}  // namespace sentrel::codegen
