#include "codegen/properties/PropertyRecommendations.h"

namespace sentrel::codegen {

namespace {

const char* const kPopular =
    "ActiveXControls,ActiveXEnabled,AOL,AOLVersion,Browser,BrowserBuild,ColorDepth,"
    "ConnectionType,Cookies,CookiesEnabled,Crawler,DeviceName,DHTML,EmailCrawler,"
    "FileUpload,Frames,Fullversion,Height,HeightAvail,IPAddr,JavaApplets,JavaEnabled,"
    "JavaScript,JavaScriptEnabled,JavaScriptVer,Language,LangUser,Majorver,MobileDevice,"
    "MSN,Plugin_Acrobat,Plugin_AcrobatVerEx,Plugin_Director,Plugin_DirectorVerEx,"
    "Plugin_Flash,Plugin_FlashVerEx,Plugin_MediaPlayer,Plugin_MediaPlayerVerEx,"
    "Plugin_QuickTime,Plugin_QuickTimeVerEx,Plugin_RealPlayer,Plugin_SilverlightVerEx,"
    "PNG,SSLKeySize,StyleSheets,TableBGColor,TableBGImage,Tables,TextSize,TimeZoneDiff,"
    "VBScript,VBScriptEnabled,Width,WidthAvail,Win16,XML,XMLHttpRequest,HighSecurity,"
    "ContainerBrowser,ContainerVersion,ContainerFullversion,WebKit,WebKitVersion,"
    "DeviceType,OSName,OSVersion,OSDetails,TLSVersion,TLSVersionMax";

const char* const kComprehensive =
    "ActiveXControls,ActiveXEnabled,AOL,AOLVersion,Browser,BrowserBuild,ColorDepth,"
    "CompressGZip,ConnectionType,Cookies,CookiesEnabled,Crawler,DeviceName,DHTML,"
    "EmailCrawler,FileUpload,FontSmoothing,Frames,Fullversion,HDML,Height,HeightAvail,"
    "IPAddr,JavaApplets,JavaEnabled,JavaScript,JavaScriptBuild,JavaScriptEnabled,"
    "JavaScriptVer,LangSystem,Language,LangUser,Majorver,MobileDevice,MouseOver,MSN,"
    "MSXML,NetMeetingBuild,OSDetails,PDA,Plugin_Acrobat,Plugin_AcrobatVerEx,"
    "Plugin_Director,Plugin_DirectorVerEx,Plugin_Flash,Plugin_FlashVerEx,"
    "Plugin_MediaPlayer,Plugin_MediaPlayerVerEx,Plugin_QuickTime,Plugin_QuickTimeVerEx,"
    "Plugin_RealPlayer,Plugin_SilverlightVerEx,PNG,Proxy,SSLKeySize,StyleSheets,"
    "TableBGColor,TableBGImage,Tables,TextSize,TimeZoneDiff,VBScript,VBScriptBuild,"
    "VBScriptEnabled,WAP,WAP_DeviceModel,WAP_MaxDeckSize,Width,WidthAvail,Win16,XML,"
    "XMLHttpRequest,ImagesEnabled,WinInstallerMinVer,HighSecurity,ContainerBrowser,"
    "ContainerVersion,ContainerFullversion,DisplayXDPIActual,DisplayYDPIActual,WebKit,"
    "WebKitVersion,DeviceType,OSName,OSVersion,OSDetails,TLSVersion,TLSVersionMax";

QStringList namesOf(const char* list) {
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

}  // namespace

QStringList PropertyRecommendations::popular() {
    return namesOf(kPopular);
}

QStringList PropertyRecommendations::comprehensive() {
    return namesOf(kComprehensive);
}

const QStringList& PropertyRecommendations::javaBased() {
    static const QStringList names = {"JavaVendor", "JavaVersion", "MSJVMBuild", "Plugin_JavaVer",
                                      "OSArch"};
    return names;
}

}  // namespace sentrel::codegen
