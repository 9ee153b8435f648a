#include "reporting/webdirs/WebDirMessages.h"

#include "reporting/webdirs/ServiceFileName.h"

namespace sentrel::webdir_messages {

namespace {

const QString kCrCr = QStringLiteral("\r\r");
const QString kCrLfCrLf = QStringLiteral("\r\n\r\n");
const QString kRequired =
    QStringLiteral(".  This file is required to run the Reports Service on this machine.  ");

}  // namespace

QString caption() {
    return QStringLiteral(" Select Apache Web Virtual Directory");
}

QString pressSelectFor(const QString& directoryName) {
    return QStringLiteral("Press 'Select' for ") + directoryName;
}

MessageRequest executePermissionsRequired() {
    return {QStringLiteral("Execute permissions required"),
            QStringLiteral("This virtual directory does not have execute permissions which are "
                           "required to run the SN Reports Web Service.  Do you want Sentrel ") +
                QStringLiteral(" to add execute permissions to this virtual directory for you?") +
                kCrCr +
                QStringLiteral("If so, click 'Yes'.  Otherwise, to keep this selection but make "
                               "the permission change yourself by editing the Apache httpd "
                               "configuration click 'No', or click 'Cancel' to pick another "
                               "virtual directory.") +
                QStringLiteral(" Note: You can also edit the Apache httpd configuration to create "
                               "a new virtual directory dedicated to the Reports service, then "
                               "return here to choose that directory."),
            MsgIcon::Question, MsgButtons::YesNoCancel, 2};
}

MessageRequest reminder() {
    return {QStringLiteral("Reminder"),
            QStringLiteral("Your directory choice has been saved for you.") + kCrCr +
                QStringLiteral("Please edit the Apache httpd configuration now to enable execute "
                               "permissions on this directory, then reload Apache.  You must do "
                               "so before the Reports Service will respond to any requests and "
                               "record statistics.") +
                kCrCr +
                QStringLiteral("If you wish to have Sentrel make this permission change for you, "
                               "or to choose a different virtual directory, press the 'Select' "
                               "button again on the next screen."),
            MsgIcon::Exclamation, MsgButtons::OK, 1};
}

QString loadSituation() {
    return QStringLiteral("Unexpected error trying to load web directories form");
}

QString loadPermissionSituation() {
    return QStringLiteral(
        "Permission error. One possible cause is that you are not running as root and do not "
        "have elevated privileges. Try exiting this program and relauching it as root, for "
        "example with sudo.");
}

QString displaySituation() {
    return QStringLiteral("Unable to display web directories");
}

QString locateSituation() {
    return QStringLiteral("Unable to locate virtual directory");
}

QString permissionsSituation() {
    return QStringLiteral("Unable to checking or set web directory permissions");
}

MessageRequest selectionError(const QString& situation, const AppError& error) {
    return {situation,
            QStringLiteral("Error ") + error.description() + QStringLiteral(": ") +
                QString::number(error.number()) + kCrLfCrLf + situation,
            MsgIcon::None, MsgButtons::OK, 1};
}

MessageRequest which64Or32Bit() {
    return {QStringLiteral("64 bit or 32 bit version"),
            QStringLiteral("The SRWS is available as both a 32 bit and 64 bit DLL. Since you are "
                           "running on a 64 bit OS you must use the 64 bit version of SRWS, ") +
                QStringLiteral("assuming you have not changed Apache httpd from its default of "
                               "running 32 bit Apache httpd worker processes. However if you have "
                               "changed Apache httpd to use 32 bit worker ") +
                QStringLiteral("processes then you must use the 32 bit version of SRWS.") +
                kCrLfCrLf +
                QStringLiteral("Would you like to use the 64 bit version of SRWS?  Answer Yes if "
                               "so (recommended). If you choose No, then the 32 bit version will "
                               "be used."),
            MsgIcon::Question, MsgButtons::YesNo, 1};
}

MessageRequest serviceNotFound(const QString& source, const QString& webDirectory) {
    return {QStringLiteral("Sentrel Reports Web Service DLL not found"),
            QStringLiteral("Could not find ") + source + QStringLiteral(" for copying into ") +
                webDirectory + kRequired +
                QStringLiteral("Try reinstalling Sentrel or contact Norvane support for "
                               "assistance."),
            MsgIcon::Critical, MsgButtons::OK, 1};
}

MessageRequest copyFailed(const QString& webDirectory, const AppError& error) {
    const bool privileges = error.number() == AppError::kPermissionDenied ||
                            error.number() == AppError::kPathFileAccess;
    const QString ending = privileges
                               ? QStringLiteral(
                                     "The most likely cause is that you are running without "
                                     "Administrative privileges (not as root). To correct the "
                                     "issue, please exit this application and relaunch it by "
                                     "starting the editor as root, for example with sudo.")
                               : QStringLiteral("Please contact Norvane support for assistance.");
    return {QStringLiteral("Error copying Sentrel Reports Web Service DLL"),
            QStringLiteral("Error #") + QString::number(error.number()) + QStringLiteral(" [") +
                error.description() + QStringLiteral("] trying to copy ") + webDirectory +
                QLatin1Char('/') + webdirs::kServiceFileName + kRequired + ending,
            MsgIcon::Critical, MsgButtons::OK, 1};
}

MessageRequest serviceAccountLacksAccess(const QString& account, const QStringList& paths) {
    return {QStringLiteral("Reports Web Service access"),
            QStringLiteral("Apache httpd runs the Sentrel Reports Web Service as the account ") +
                account + QStringLiteral(", which cannot use these paths it needs:") +
                QStringLiteral("\r\n") + paths.join(QStringLiteral("\r\n")) + kCrLfCrLf +
                QStringLiteral("Until that account has this access the Reports Service will not "
                               "record statistics.  Give it the access, or start the editor as "
                               "root, for example with sudo, and press OK again so that Sentrel "
                               "gives it for you."),
            MsgIcon::Exclamation, MsgButtons::OK, 1};
}

}  // namespace sentrel::webdir_messages
