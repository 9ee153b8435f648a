#include "codegen/properties/PropertiesMessages.h"

namespace sentrel::codegen::properties_messages {

namespace {

const QString kCrCr = QStringLiteral("\r\r");
const QString kCrLfCrLf = QStringLiteral("\r\n\r\n");

// A Yes/No question whose default is No.
MessageRequest yesNoDefaultNo(const QString& title, const QString& text) {
    return MessageRequest{title, text, MsgIcon::Question, MsgButtons::YesNo, 2};
}

// The Java warning, naming the properties it is about.
MessageRequest javaQuestion(const QString& names) {
    return yesNoDefaultNo(
        QStringLiteral("Are you sure?"),
        QStringLiteral("In rare cases, checking any of the following properties can cause IE to "
                       "shutdown unexpectantly if an older version of Java is installed: ") +
            names +
            QStringLiteral(". Therefore we only recommend you check these properties if this "
                           "information is of great importance to you.") +
            kCrLfCrLf +
            QStringLiteral("Furthermore, note that detection of these properties requires that "
                           "you place the jvmdetector.class applet file (available in your "
                           "Sentrel/JVM folder) into the web directory where any web pages "
                           "reside that use Sentrel to check these properties. Please be sure "
                           "to manually copy this applet file accordingly.") +
            kCrLfCrLf +
            QStringLiteral("Are you sure you wish to track any of these particular properties?"));
}

const QString kLandrelRequired = QStringLiteral(
    "Tracking country information requires Norvane's Landrel product (available "
    "separately from Sentrel) to be installed.");

// The country lookup failed: keep "Country" checked all the same?
MessageRequest keepCountry(const QString& message) {
    return yesNoDefaultNo(
        QStringLiteral("Landrel required"),
        message + QStringLiteral(" Would you like to keep the option to log country information "
                                 "checked? If so, be sure to take corrective action prior to "
                                 "attempting to log country statistics from your web scripts."));
}

}  // namespace

MessageRequest propertyRecommendation() {
    return MessageRequest{
        QStringLiteral("Property recommendation"),
        QStringLiteral("To minimize storage requirements for the statistics, and to minimize the "
                       "time it takes to execute the detection on the browser, it is important "
                       "to select only the properties you are interested in running reports "
                       "on.  Should you decide later, you can always change these settings.") +
            kCrCr +
            QStringLiteral("To help you with this selection, Sentrel will now recommend a "
                           "pre-defined set of popular properties generally required for most "
                           "reporting needs - depending on your answer to the question below.") +
            kCrCr +
            QStringLiteral("Are you interested in as much detail in your reports as possible?  "
                           "Answer 'Yes' to have Sentrel choose the most comprehensive list of "
                           "properties (note that this may cause a noticeable delay in the "
                           "browser while all settings are detected), or 'No' to have Sentrel "
                           "choose just the most popular ones.  After you make your selection "
                           "you will have the option to change the properties that are selected "
                           "for you."),
        MsgIcon::Question, MsgButtons::YesNoCancel};
}

MessageRequest referrerTracking() {
    return yesNoDefaultNo(QStringLiteral("Referrer tracking confirmation"),
                          QStringLiteral("Tracking the referrer can an increase your database "
                                         "storage needs by 50-100%.  Are you sure you wish to "
                                         "track the referrer?"));
}

MessageRequest javaPropertyChecked() {
    return javaQuestion(
        QStringLiteral("JavaVendor, JavaVersion, Plugin_JavaVer, MSJVMBuild, and OSArch"));
}

MessageRequest keepJavaProperties() {
    return javaQuestion(QStringLiteral(
        "JavaVendor, JavaVersion, Plugin_JavaVer, MSJVMBuild, OSName, OSArch, and OSVersion"));
}

MessageRequest storageIntensive() {
    return yesNoDefaultNo(
        QStringLiteral("Storage intensive"),
        QStringLiteral("Selecting all properties can consume very large amounts of storage and "
                       "generally not recommended unless you expect volume to be light.  "
                       "Instead, you may wish to consider using the 'Recommend' option on this "
                       "screen.") +
            kCrCr + QStringLiteral("Do you wish to continue?"));
}

MessageRequest landrelConfirmation() {
    return MessageRequest{
        QStringLiteral("Landrel confirmation"),
        kLandrelRequired + QStringLiteral(" The Landrel object has just been verified for you "
                                          "as installed and working properly."),
        MsgIcon::Information};
}

MessageRequest landrelNotInstalled() {
    return keepCountry(kLandrelRequired +
                       QStringLiteral(" The Landrel object IS NOT installed (or has not been "
                                      "installed properly). Please install the GeoIP country "
                                      "database it reads, Debian's geoip-database package (for "
                                      "example with: sudo apt-get install geoip-database)."));
}

MessageRequest landrelFailed(const QString& error) {
    return keepCountry(kLandrelRequired +
                       QStringLiteral(" Although Landrel is installed, the following error was "
                                      "received just now while trying to test its operation for "
                                      "you:") +
                       kCrLfCrLf + error);
}

MessageRequest errorOccurred(int number, const QString& description) {
    return MessageRequest{QStringLiteral("Error occurred"),
                          QStringLiteral("Error #") + QString::number(number) +
                              QStringLiteral(": ") + description + kCrCr +
                              QStringLiteral("Please contact Norvane support for more "
                                             "information."),
                          MsgIcon::Exclamation};
}

}  // namespace sentrel::codegen::properties_messages
