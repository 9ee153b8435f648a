#include "app/StartupErrorHandler.h"

#include "app/InternalData.h"
#include "document/Document.h"
#include "document/DocumentLock.h"
#include "shell/AppError.h"
#include "shell/Product.h"

namespace sentrel::app {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTwoLines = kCrLf + kCrLf;
constexpr int kOutdatedDll = 50003;
const QString kDcomDownload = QStringLiteral("https://www.microsoft.com/com/");

MessageRequest outdatedDll(const QString& lastPlace) {
    return {QStringLiteral("Outdated DLL"),
            QStringLiteral("System error: 50003 ") + kTwoLines +
                QStringLiteral("An error has occured during initialization due to an") + kCrLf +
                QStringLiteral("outdated comctl32.ocx or comdlg32.ocx file in your system "
                               "directory.  Please contact Norvane for the necessary update. "
                               "LAST PLACE: ") +
                lastPlace,
            MsgIcon::Critical};
}

MessageRequest serverUnreachable() {
    return {QStringLiteral("DCOM for Windows 95 update needed"),
            QStringLiteral("Error #432 has occured during initialization.  Unable to initialize "
                           "internal data.") +
                kTwoLines +
                QStringLiteral("This error can occur is if the directory where you installed "
                               "Sentrel into can not be found.  Please verify this directory "
                               "exists and reinstall the product if not.") +
                kTwoLines +
                QStringLiteral("Otherwise (if that directory does exist) if you are running "
                               "Windows 95: the likely cause for this error is that you do not "
                               "have version 1.2 or later of DCOM for Windows 95 installed.") +
                kTwoLines + QStringLiteral("The DCOM update can be downloaded from ") +
                kDcomDownload + QStringLiteral(" ; please install it and then run Sentrel again.") +
                kTwoLines +
                QStringLiteral("If you are running Windows NT: Sentrel is not installed "
                               "properly.  Try re-installing Sentrel to resolve the problem."),
            MsgIcon::Critical};
}

MessageRequest internalDataLocked() {
    return {QStringLiteral("Internal data locked"),
            QStringLiteral("The internal data file has become locked by a previous session, "
                           "likely due to an unexpected error or improper shutdown.  You will "
                           "likely need to reboot to resolve this."),
            MsgIcon::Exclamation};
}

// The base directory exists but cannot be written; the description names it.
MessageRequest baseDirectoryNotWritable(const QString& description) {
    return {QStringLiteral("Base directory not writable"),
            description + kTwoLines +
                QStringLiteral("Sentrel keeps its internal data (intdata.dtl), the temporary merge "
                               "file (merge.tmp) and the merge records waiting for their merge "
                               "files there. Make this folder writable for your account, or "
                               "record a folder you can write as the base directory "
                               "(sentrel-editor --register-basedir FOLDER), and start Sentrel "
                               "again."),
            MsgIcon::Critical};
}

// The internal data is locked by a process on another host or by another account; the
// description names the holder and the lock file.
MessageRequest lockedElsewhere(const QString& description) {
    return {QStringLiteral("Internal data locked elsewhere"),
            description + kTwoLines +
                QStringLiteral("Sentrel can not start while that lock is held. If Sentrel is no "
                               "longer running there, delete the lock file and start Sentrel "
                               "again."),
            MsgIcon::Exclamation};
}

MessageRequest alreadyRunning(int number) {
    return {QStringLiteral("Sentrel already running"),
            QStringLiteral("Sentrel already running (") + QString::number(number) +
                QStringLiteral("). Please return to currently running instance of Sentrel."),
            MsgIcon::Information};
}

MessageRequest initializationError(int number, const QString& description,
                                   const QString& lastPlace) {
    const QString place = QStringLiteral("Last place: ") + lastPlace;
    return {QStringLiteral("Initialization Error"),
            QStringLiteral("System error: ") + QString::number(number) + kCrLf + description +
                kCrLf + place + kTwoLines +
                QStringLiteral("The above error occured during initialization. ") + kCrLf + place +
                kTwoLines + QStringLiteral("Please contact Norvane") + kCrLf +
                QStringLiteral("support at ") + product::kSupportEmail + QStringLiteral("."),
            MsgIcon::Critical};
}

}  // namespace

bool meansAlreadyRunning(int number, const QString& lastPlace) {
    return number == doc::kErrDocumentHeld && lastPlace == marker::kLoadingInternalData;
}

MessageRequest startupFailureMessage(int number, const QString& description,
                                     const QString& lastPlace) {
    const bool binding = lastPlace == marker::kLoadingInternalData;
    if (number == kOutdatedDll) return outdatedDll(lastPlace);
    if (binding && number == AppError::kCannotReachServer) return serverUnreachable();
    if (number == InternalData::kErrBaseDirectoryNotWritable)
        return baseDirectoryNotWritable(description);
    if (binding && number == doc::kErrLockedElsewhere) return lockedElsewhere(description);
    if (binding && number == AppError::kPermissionDenied) return internalDataLocked();
    if (meansAlreadyRunning(number, lastPlace)) return alreadyRunning(number);
    return initializationError(number, description, lastPlace);
}

}  // namespace sentrel::app
