#pragma once

#include "shell/Interaction.h"

namespace sentrel::app::wizard {

// The questions and notes of the Setup Wizard and of "Run Setup Wizard", in the order the
// user meets them.
MessageRequest welcomeMessage();
// `elevatedCommand`: the command that starts the editor as root on the same key store and
// installation folder.
MessageRequest needsAdministratorMessage(const QString& elevatedCommand);
MessageRequest checkForUpdatesQuestion();
MessageRequest enableCachingQuestion();
MessageRequest reportingSetupQuestion();
MessageRequest reportingInformation();
MessageRequest changeDatabaseQuestion(const QString& databasePath);
MessageRequest reviewDefinitionsQuestion();
MessageRequest closeFileFirstMessage();
MessageRequest overwriteOptionsQuestion();

// The wait text shown while the download manager runs.
QString updaterWaitText();

}  // namespace sentrel::app::wizard
