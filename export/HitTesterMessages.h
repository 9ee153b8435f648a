#pragma once

#include <QString>

#include "shell/Interaction.h"

namespace sentrel::exporting::hit_messages {

// The Hit Tester's messages, worded once.
MessageRequest nothingToTest();
MessageRequest bddNotAvailable();
MessageRequest objectCreationFailed(const QString& description);
MessageRequest detectionFailed(const QString& description);
MessageRequest copyFailed(const QString& definitionFile, const QString& description);
MessageRequest listUnreadable(const QString& path, const QString& description);

inline const QString kMakingTemporaryBdd =
    QStringLiteral("Making a temporary BDD for testing. Please wait...");
inline const QString kLoadingList = QStringLiteral("Loading user agent list...");

}  // namespace sentrel::exporting::hit_messages
