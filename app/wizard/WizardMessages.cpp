#include "app/wizard/WizardMessages.h"

namespace sentrel::app::wizard {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTwoLines = kCrLf + kCrLf;
const QString kTwoCr = QStringLiteral("\r\r");

MessageRequest question(const QString& title, const QString& text, int helpContext = 0) {
    return {title, text, MsgIcon::Question, MsgButtons::YesNo, 1, helpContext};
}

}  // namespace

MessageRequest welcomeMessage() {
    return {QStringLiteral("Sentrel Setup Wizard"),
            QStringLiteral("The Setup Wizard will now ask a few quick questions so that it may "
                           "properly configure Sentrel for you. Should you need to run the Setup "
                           "Wizard again in the future, choose \"Run Setup Wizard\" from the "
                           "Special menu."),
            MsgIcon::Information,
            MsgButtons::OKCancel,
            1,
            0};
}

MessageRequest needsAdministratorMessage(const QString& elevatedCommand) {
    return question(
        QStringLiteral("Setup Wizard needs Administrative privileges"),
        QStringLiteral("You do not appear to be running this application with elevated "
                       "privileges. This Editor needs to run with elevated privileges, started "
                       "as root, in order for the Setup Wizard to configure the Sentrel Reports "
                       "Web Service (SRWS).") +
            kTwoLines +
            QStringLiteral("The SRWS is required if you wish to use Sentrel to automatically "
                           "log browser statistics, page load times, or JavaScript errors to "
                           "your database. ") +
            QStringLiteral("If you wish to configure the SRWS, you must exit this application "
                           "and launch it again with elevated privileges.") +
            kTwoLines +
            QStringLiteral("To run with elevated privileges, answer 'Yes' below and this "
                           "application will close. Then start the editor as root, for example "
                           "with sudo:") +
            kCrLf + QStringLiteral("   ") + elevatedCommand + kTwoLines +
            QStringLiteral("If you do not wish to set up the SRWS, or you are sure you have "
                           "launched this application with Administrator privileges and we are "
                           "not detecting so, then answer 'No' and the Setup Wizard will "
                           "continue.") +
            kTwoLines);
}

MessageRequest checkForUpdatesQuestion() {
    return question(
        QStringLiteral("Setup Wizard: Check for updates"),
        QStringLiteral("In order to start you off with the most current browser definitions, "
                       "and to keep these definitions current into the future, Sentrel needs "
                       "to communicate with the update server at Norvane. ") +
            QStringLiteral("If your machine is behind a firewall or proxy server, Sentrel can "
                           "likely still access these definitions for you.") +
            kTwoLines +
            QStringLiteral("Note: You may be prompted by your firewall software as to whether "
                           "to give permission for Sentrel to access the Internet. Please "
                           "choose the option which corresponds to allowing it to always run.") +
            kTwoLines + QStringLiteral("Would you like to check for updates now?"));
}

MessageRequest enableCachingQuestion() {
    return question(
        QStringLiteral("Setup Wizard: Enable performance caching?"),
        QStringLiteral("This edition of Sentrel features Norvane Prontache(tm) technology. "
                       "Prontache speeds the Sentrel significantly for busy web servers and "
                       "optimizes CPU utilization.  It works") +
            QStringLiteral(" by caching Sentrel objects and reusing them as other visitors hit "
                           "your site with the same browser.  Would you like to learn more "
                           "about Prontacha and enable it now?"));
}

MessageRequest reportingSetupQuestion() {
    return question(QStringLiteral("Setup Wizard: Reporting Options Setup"),
                    QStringLiteral("This edition of Sentrel provides automatic logging of "
                                   "browser statistics to an SQLite or PostgreSQL database.  "
                                   "Would you like to set up this feature now?  Or for an "
                                   "introduction to Sentrel Reports press the Help button."),
                    25);
}

MessageRequest reportingInformation() {
    return {QStringLiteral("Information on reporting options"),
            QStringLiteral("Stats collection involves: 1) The Sentrel component running from your "
                           "web scripts which collects the stats, and 2) The Sentrel Reports Web "
                           "Service (SRWS) which receives the collected stats and logs them to a "
                           "database. The SRWS runs as a CGI program of Apache httpd on the web "
                           "server you choose.") +
                kTwoCr +
                QStringLiteral("When configuring the Reporting Options you need to specify the "
                               "location of the SRWS server. Typically you only need to run the "
                               "SRWS on one server, regardless of how many servers you use the "
                               "component on.") +
                kTwoCr +
                QStringLiteral("If you plan to use Sentrel on this server only, choose the option "
                               "on the next screen to run the SRWS on this server.  Or if you are "
                               "running SN on multiple servers, you can designate this server as "
                               "the SRWS server. If not you should configure the location of "
                               "another server already running the SRWS.") +
                kTwoCr +
                QStringLiteral("On the next screen please configure the location of the SRWS.  "
                               "Also be sure to press the 'Select properties to log' button to "
                               "choose the properties to record in the database.  Press Help for "
                               "more details."),
            MsgIcon::Information,
            MsgButtons::OK,
            1,
            1137};
}

MessageRequest changeDatabaseQuestion(const QString& databasePath) {
    return question(
        QStringLiteral("Change default database used?"),
        QStringLiteral("By default the statistics will be logged into the following SQLite "
                       "database:") +
            QStringLiteral("\r   ") + databasePath + kTwoCr +
            QStringLiteral("Do you wish to keep this setting?  To use this database choose "
                           "'Yes'.  To use a different SQLite database, or to use a PostgreSQL "
                           "database instead, choose 'No' to customize your database "
                           "options."));
}

MessageRequest reviewDefinitionsQuestion() {
    return question(QStringLiteral("Review browser definition file?"),
                    QStringLiteral("Congratulations! Sentrel is successfully installed and "
                                   "ready for your use.") +
                        kTwoLines +
                        QStringLiteral("Would you like to load the browser definition file so "
                                       "you can see what type of information it contains and "
                                       "customize it if you wish?"));
}

MessageRequest closeFileFirstMessage() {
    return {QStringLiteral("Close open BDF first"),
            QStringLiteral("You must first close the open BDF before running the Setup Wizard"),
            MsgIcon::Information,
            MsgButtons::OK,
            1,
            0};
}

MessageRequest overwriteOptionsQuestion() {
    return {QStringLiteral("Overwrite Preferences and Options and maindefs.bdf?"),
            QStringLiteral("You have choosen to run the Setup Wizard.  This is the same wizard "
                           "that you used when you ") +
                QStringLiteral("ran Sentrel for the first time.") + kTwoLines +
                QStringLiteral("Caution: Running this wizard will result in ") +
                QStringLiteral("resetting any Sentrel Preferences and Options you configured "
                               "previously to their default values. In addition, ") +
                QStringLiteral("your browser definitions will be overwritten with the latest "
                               "available from Norvane. ") +
                QStringLiteral("Do you wish to continue?"),
            MsgIcon::Exclamation,
            MsgButtons::YesNo,
            2,
            0};
}

QString updaterWaitText() {
    return QStringLiteral(
        "This Setup Wizard will resume once you have finished downloading "
        "updates and closed the other window that has opened. Waiting...");
}

}  // namespace sentrel::app::wizard
