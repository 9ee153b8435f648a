#include "reporting/OptionsMessages.h"

namespace sentrel::options_messages {

namespace {

const QString kCr = QStringLiteral("\r");

MessageRequest information(const QString& title, const QString& text) {
    return MessageRequest{title, text, MsgIcon::Information, MsgButtons::OK};
}

}  // namespace

MessageRequest newSettings() {
    return information(QStringLiteral("New settings"),
                       QStringLiteral("Please note that your changes to the Sentrel Reports "
                                      "options and database settings will not take effect until "
                                      "Apache is reloaded."));
}

MessageRequest finishSetupWizard() {
    return information(
        QStringLiteral("Please finish with Setup Wizard"),
        QStringLiteral("Please finish making your changes to the previous tab.  Once you have "
                       "finished running the Setup Wizard, you can return") +
            QStringLiteral(" here to make any other desired changes by choosing \"Preferences "
                           "and Options\" from the Special menu."));
}

MessageRequest srwsNotConfigured() {
    return information(
        QStringLiteral("SRWS not configured for this server"),
        QStringLiteral("Currently Sentrel is configured to use the Sentrel Reports Web Service "
                       "(SRWS) running on a different server.") +
            kCr + kCr +
            QStringLiteral("Since the settings on this tab apply only when you are running the "
                           "SRWS on this server, this tab is disabled.") +
            QStringLiteral("To enable this tab you must select the 'Run the Sentrel Reports "
                           "Service on this server' option on the 'Reporting Options' tab."));
}

MessageRequest invalidVersion(const QString& boxCaption, const QString& text) {
    return MessageRequest{QStringLiteral("Invalid version number"),
                          QStringLiteral("The %1 \"%2\" is not a whole number from 0 to 32767.  "
                                         "Please correct it and press OK again.")
                              .arg(boxCaption, text),
                          MsgIcon::Exclamation, MsgButtons::OK};
}

MessageRequest versionNotWritten(int number, const QString& description) {
    return MessageRequest{QStringLiteral("Version not written"),
                          QStringLiteral("Error #%1 while writing the version to the open "
                                         "definition file:")
                                  .arg(number) +
                              kCr + description,
                          MsgIcon::Exclamation, MsgButtons::OK};
}

}  // namespace sentrel::options_messages
