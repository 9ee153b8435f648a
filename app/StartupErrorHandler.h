#pragma once

#include <QString>

#include "shell/Interaction.h"

namespace sentrel::app {

// The last-place markers of the start-up routine, in the order in which they are set.
namespace marker {
inline const QString kReadBaseDir = QStringLiteral("About to read base dir");
inline const QString kAppNamingSet = QStringLiteral("app naming set");
inline const QString kShowSplash = QStringLiteral("about to show splash");
inline const QString kLoadingInternalData = QStringLiteral("Loading internal data");
inline const QString kAfterInternalData = QStringLiteral("After loading internal data");
inline const QString kLoadMainUi = QStringLiteral("about to load main ui");
inline const QString kDisplayingUi = QStringLiteral("displaying ui");
inline const QString kAfterDisplayUi = QStringLiteral("after display ui");
}  // namespace marker

// The message the start-up error handler shows for a failure: the error's number and
// description and the last place reached. Only the document library's "held" answer to
// the bind of the internal data document means that another copy is running. A base
// directory that cannot be written, and a lock held on another host or by another account,
// get messages of their own that name the folder, the holder and the lock file; any other
// failure there that is neither 70 nor 432 is reported as an initialisation error with its
// number and description.
MessageRequest startupFailureMessage(int number, const QString& description,
                                     const QString& lastPlace);

// True when the failure means that another copy of the program is running.
bool meansAlreadyRunning(int number, const QString& lastPlace);

}  // namespace sentrel::app
