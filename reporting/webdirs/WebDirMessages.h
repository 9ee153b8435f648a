#pragma once

#include <QString>
#include <QStringList>

#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::webdir_messages {

// The texts of the web directory selection and of the reports web service deployment.

// The selection dialog's caption.
QString caption();
// The status line for a chosen directory.
QString pressSelectFor(const QString& directoryName);

// Asked on closing the selection dialog for a directory the service cannot run in.
MessageRequest executePermissionsRequired();
// After "No" to the question above.
MessageRequest reminder();

// The situations of the selection dialog's errors; each is also the message's title.
QString loadSituation();
QString loadPermissionSituation();
QString displaySituation();
QString locateSituation();
QString permissionsSituation();
// "Error " + description + ": " + number, a blank line, the situation.
MessageRequest selectionError(const QString& situation, const AppError& error);

MessageRequest which64Or32Bit();
MessageRequest serviceNotFound(const QString& source, const QString& webDirectory);
// The copy failed: 70 (permission denied) and 75 get the ending that tells the user to start
// the editor as root, any other number the one that points to support.
MessageRequest copyFailed(const QString& webDirectory, const AppError& error);
// Apache's account cannot reach what the service needs; `paths` are "path (what is missing)".
MessageRequest serviceAccountLacksAccess(const QString& account, const QStringList& paths);

}  // namespace sentrel::webdir_messages
