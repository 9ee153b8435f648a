#include "reporting/ReportingMessages.h"

namespace sentrel::reporting_messages {

namespace {

const QString kCr = QStringLiteral("\r");
const QString kCrCr = QStringLiteral("\r\r");
constexpr int kDatabaseHelp = 1055;

QString shown(const AppError& error) {
    return QLatin1Char('[') + error.source() + QStringLiteral("] ") + error.description();
}

MessageRequest request(const QString& title, const QString& text, MsgIcon icon,
                       MsgButtons buttons = MsgButtons::OK, int defaultButton = 1,
                       int helpContext = 0) {
    return MessageRequest{title, text, icon, buttons, defaultButton, helpContext};
}

// OK keeps the settings, Cancel (the default) goes back to the dialog.
MessageRequest saveAnyway(const QString& title, const QString& text, MsgIcon icon) {
    return request(title,
                   text + kCrCr +
                       QStringLiteral("Click on 'OK' to save the current settings "
                                      "anyway, or") +
                       kCr +
                       QStringLiteral("click on 'Cancel' to adjust the settings and try again."),
                   icon, MsgButtons::OKCancel, 2);
}

}  // namespace

MessageRequest pendingChanges() {
    return request(
        QStringLiteral("Pending changes must be saved before testing"),
        QStringLiteral("The changes made to the reporting options need to be saved before the "
                       "Reports Web Service can be tested. Press OK on the main Preferences and "
                       "Options dialog (not the OK button in this message box) to save these "
                       "changes.") +
            kCrCr +
            QStringLiteral("After saving your changes return here by choosing 'Special->"
                           "Preferences and Options->Reporting Options' and press the Test button "
                           "again."),
        MsgIcon::Information);
}

MessageRequest attemptingTest() {
    return request(
        QStringLiteral("Attempting test"),
        QStringLiteral("Sentrel will now attempt to communicate with the Reports Web service "
                       "through your browser.") +
            kCrCr +
            QStringLiteral("If you receive a 404 Not Found error then correct the SN Reports Web "
                           "Service URL setting on the form.  If you receive a different error "
                           "make sure that your Apache httpd web server is running on the server "
                           "running the SN Reports Web Service.") +
            kCrCr +
            QStringLiteral("Note: If you make any changes to the report settings after performing "
                           "this test you must reload Apache in order for those changes to be "
                           "recognized."),
        MsgIcon::Information);
}

MessageRequest noUrl() {
    return request(QStringLiteral("No URL specified"),
                   QStringLiteral("No URL for the Sentrel Reports Web Service has been specified. "
                                  " Please enter a value and retry."),
                   MsgIcon::Exclamation);
}

MessageRequest invalidCharacter() {
    return request(
        QStringLiteral("Invalid character"),
        QStringLiteral("Please do not use any '/' characters when specifying the web address of "
                       "this server. This field should only contain the base web address of your "
                       "web server - for example http://www.example.com.") +
            kCrCr +
            QStringLiteral("You should however be sure this information is present in the SN "
                           "Reports Web Service URL field at the bottom of this form. The '/' "
                           "character any any path specified here has been removed for you."),
        MsgIcon::Exclamation, MsgButtons::OKCancel);
}

MessageRequest logDirectoryMissing(const QString& directory) {
    return request(QStringLiteral("Directory does not exist"),
                   QStringLiteral("The directory specified (") + directory +
                       QStringLiteral(") does not exist.  Please enter a valid directory or leave "
                                      "this field blank if you wish to set this later."),
                   MsgIcon::Exclamation);
}

MessageRequest webDirectoryMissing(const QString& directory) {
    return request(
        QStringLiteral("Directory does not exist"),
        QStringLiteral("The directory specified (") + directory +
            QStringLiteral(") does not exist.  Please enter a valid directory on your web server "
                           "configured to allow execute permissions or press the 'Select' button "
                           "to pick from a list.  Or leave this field blank if you wish to set "
                           "this later."),
        MsgIcon::Exclamation);
}

MessageRequest invalidDirectoryName(const QString& directory) {
    return request(QStringLiteral("Invalid format for directory name"),
                   QStringLiteral("An error occurred while attempting to validate the directory ") +
                       directory +
                       QStringLiteral(".  It appears as though this is not an allowable directory "
                                      "name or format.  Please check your input carefully for any "
                                      "typos and try again."),
                   MsgIcon::Exclamation);
}

MessageRequest directoryCheckFailed(int number, const QString& description) {
    return request(QStringLiteral("Error occurred"),
                   QStringLiteral("Error ") + QString::number(number) + QStringLiteral(" [") +
                       description +
                       QStringLiteral("] occurred while checking this directory.  Please validate "
                                      "your input and contact Norvane for support if this "
                                      "persists."),
                   MsgIcon::Exclamation);
}

MessageRequest checkPermissions(const QString& directory) {
    return request(
        QStringLiteral("Check required permissions"),
        QStringLiteral("Please make sure that the virtual web site which maps to ") + directory +
            QStringLiteral(" has permissions to run both scripts and executables.  Otherwise "
                           "Apache httpd will not be able to load the Sentrel Reports Web Service "
                           "and no statistics will be logged.") +
            kCrCr +
            QStringLiteral("You can check these permissions in the Apache httpd configuration, or "
                           "alternatively you can press the 'Select' button to the right of this "
                           "field.  Doing so will allow you to pick from a list of virtual "
                           "directories so Sentrel can verify these permissions for you."),
        MsgIcon::Information, MsgButtons::OK, 1, 1057);
}

MessageRequest scriptingRequired() {
    return request(QStringLiteral("Scripting required"),
                   QStringLiteral("You must add some scripting code to your ASP / ASP.NET page "
                                  "that you wish to record these properties from.") +
                       kCrCr +
                       QStringLiteral("Would you like Sentrel to generate this code for you so "
                                      "you can easily cut/paste it into your ASP script?"),
                   MsgIcon::Question, MsgButtons::YesNo, 1, 881);
}

MessageRequest completeLocationFirst() {
    return request(QStringLiteral("Scripting required"),
                   QStringLiteral("Please complete the Sentrel Web Service Location options above "
                                  "before continuing."),
                   MsgIcon::Exclamation);
}

MessageRequest noPropertiesSelected() {
    return request(QStringLiteral("No properties selected"),
                   QStringLiteral("You have not selected any properties to be logged into the "
                                  "reporting database.  Would you like to do so now?") +
                       kCrCr +
                       QStringLiteral("If not, be sure to set the properties to log in your code "
                                      "that calls Sentrel."),
                   MsgIcon::Information, MsgButtons::YesNo, 1, 883);
}

MessageRequest saNotOwner() {
    return request(QStringLiteral("SA is not a valid table owner"),
                   QStringLiteral("Although the sa account is the master account, is not valid "
                                  "as a table owner name.  Typically you would use 'public' "
                                  "instead.  Please make this change now."),
                   MsgIcon::Exclamation);
}

MessageRequest ownerTooLong(const QString& owner) {
    return request(QStringLiteral("Table owner name too long"),
                   QStringLiteral("The table owner name '") + owner +
                       QStringLiteral("' is longer than the 63 bytes PostgreSQL keeps of a name, "
                                      "so the server would cut it short.  Please enter a shorter "
                                      "name."),
                   MsgIcon::Exclamation);
}

MessageRequest testNewSettings() {
    return request(QStringLiteral("Test new settings?"),
                   QStringLiteral("The settings for the Sentrel Reports database have changed. "
                                  "Would you like to verify that Sentrel can properly record "
                                  "statistics to the database using these new settings?"),
                   MsgIcon::Question, MsgButtons::YesNo);
}

MessageRequest settingsIncomplete(const AppError& error) {
    return saveAnyway(
        QStringLiteral("Sentrel Reports Data Table Test"),
        QStringLiteral("There is an error with your settings on this form.") + kCrCr + shown(error),
        MsgIcon::Exclamation);
}

MessageRequest unableToConnect(const AppError& error) {
    return saveAnyway(QStringLiteral("Unable to connect to database"),
                      QStringLiteral("Sentrel was unable to connect to the Reports database.") +
                          kCrCr + shown(error),
                      MsgIcon::Exclamation);
}

namespace {

// Why the table test failed, when the driver's reason says the tables are missing.
QString missingTablesHint(const QString& description) {
    const QString reason = description.toLower();
    if (reason.contains(QStringLiteral("no such table"))) {
        return QStringLiteral(
                   "It appears you received this message because the tables required "
                   "by Sentrel Reports do not exist in this database.  Press the "
                   "'Initialize Report Tables' on the next screen to create the tables "
                   "and try the test again.") +
               kCrCr;
    }
    if (reason.contains(QStringLiteral("relation ")) &&
        reason.contains(QStringLiteral(" does not exist"))) {
        return QStringLiteral(
                   "It appears you received this message because the tables required by Sentrel "
                   "Reports do not exist in this database. If this is the first time you are "
                   "configuring the SRWS to work with this PostgreSQL database then you must "
                   "press the 'Initialize Report Tables' button on the next screen to create the "
                   "tables, and then try this test again.") +
               kCrCr +
               QStringLiteral(
                   "If on the other hand you have already performed that step to initialize the "
                   "data tables, it is possible that the tables do exist but under a different "
                   "owner name than you specified. In that case try the test again with the "
                   "original owner name you specified when initializing the tables for the first "
                   "time.") +
               kCrCr;
    }
    return QString();
}

}  // namespace

MessageRequest tableTestFailed(const AppError& error) {
    return request(QStringLiteral("Data Table test failed"),
                   QStringLiteral("Unable to access the Sentrel Reports data tables.") + kCrCr +
                       missingTablesHint(error.description()) + shown(error) + kCrCr +
                       QStringLiteral("Do you want Sentrel to initialize the Sentrel Reports data "
                                      "tables for you now?"),
                   MsgIcon::Exclamation, MsgButtons::YesNo, 1, kDatabaseHelp);
}

MessageRequest unableToVerify() {
    return saveAnyway(QStringLiteral("Unable to verify table"),
                      QStringLiteral("Sentrel was unable to verify the data tables."),
                      MsgIcon::Exclamation);
}

MessageRequest initializeTables() {
    return request(
        QStringLiteral("Initialize Sentrel data tables?"),
        QStringLiteral("Sentrel is about to initialize the tables used for storing your "
                       "statistics.") +
            kCrCr +
            QStringLiteral("Note that if these Sentrel tables already exist, then will be dropped "
                           "and recreated, and any existing statistics will be deleted.") +
            QStringLiteral(" Any other tables not related to Sentrel will be preserved.") + kCrCr +
            QStringLiteral("Do you wish to proceed with initialization?"),
        MsgIcon::Question, MsgButtons::YesNo, 1, kDatabaseHelp);
}

MessageRequest unableToCreateTables(const AppError& error) {
    return saveAnyway(
        QStringLiteral("Unable to Create Data Tables"),
        QStringLiteral("Unable to create Sentrel Reports data tables.") + kCrCr + shown(error),
        MsgIcon::None);
}

MessageRequest errorInSettings(const AppError& error) {
    return request(QStringLiteral("Error in settings."),
                   QStringLiteral("An error occured while verifying Sentrel Reports settings") +
                       kCrCr + shown(error) + kCrCr +
                       QStringLiteral("Click on 'OK' to save the current settings or") + kCr +
                       QStringLiteral("'Cancel' to adjust the settings and try again."),
                   MsgIcon::None, MsgButtons::OKCancel, 2);
}

MessageRequest testSucceeded() {
    return request(QStringLiteral("Test Succeeded"),
                   QStringLiteral("The Sentrel Reports data table test succeeded."),
                   MsgIcon::Information);
}

MessageRequest createTablesQuestion() {
    return request(
        QStringLiteral("Create the data tables to store the statistics?"),
        QStringLiteral(
            "Do you wish to initialize the tables which store the browser statistics? ") +
            QStringLiteral("This action should be performed if you are setting up this database "
                           "to hold the statistics for the first time, or if you wish to destroy "
                           "the data already in the database and recreate the tables from "
                           "scratch.") +
            kCrCr + QStringLiteral("Note: If the browser statistics tables already ") +
            QStringLiteral("exist in this database, they will be dropped, and the ") +
            QStringLiteral("data will be deleted.  No other tables in the database will be "
                           "affected - this operation applies only to the tables used by Sentrel "
                           "Reports. Click on 'Yes' to drop these ") +
            QStringLiteral("tables, otherwise click on 'No'."),
        MsgIcon::Question, MsgButtons::YesNo, 2);
}

MessageRequest tablesNotCreated(const AppError& error) {
    return request(QStringLiteral("Unable to create data tables"),
                   QStringLiteral("Unable to create Sentrel Reports' data tables.") + kCrCr +
                       shown(error) + kCrCr + QStringLiteral("Check your settings and try again."),
                   MsgIcon::None);
}

MessageRequest serverUnreachable(const QString& server) {
    return request(QStringLiteral("Unable to connect to database."),
                   QStringLiteral("Unable to connect to") + kCr + QStringLiteral("server '") +
                       server + QStringLiteral("' Check the 'PostgreSQL server' name."),
                   MsgIcon::None);
}

MessageRequest lookupFailed(const AppError& error) {
    return request(QStringLiteral("Error trying to connect to server."),
                   QStringLiteral("Error trying to connect to server.") + kCr + shown(error) +
                       kCrCr + QStringLiteral("Check your settings and try again."),
                   MsgIcon::None);
}

}  // namespace sentrel::reporting_messages
