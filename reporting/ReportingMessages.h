#pragma once

#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::reporting_messages {

// The messages of the Reporting Options and Reports Database tabs. `error` parts show as
// "[" + source + "] " + description.

// Reporting Options: the web service test, the web address, the directories, the properties.
MessageRequest pendingChanges();
MessageRequest attemptingTest();
MessageRequest noUrl();
MessageRequest invalidCharacter();
MessageRequest logDirectoryMissing(const QString& directory);
MessageRequest webDirectoryMissing(const QString& directory);
MessageRequest invalidDirectoryName(const QString& directory);
MessageRequest directoryCheckFailed(int number, const QString& description);
MessageRequest checkPermissions(const QString& directory);
MessageRequest scriptingRequired();
MessageRequest completeLocationFirst();
MessageRequest noPropertiesSelected();

// Reports Database: leaving the table owner box.
MessageRequest saNotOwner();
MessageRequest ownerTooLong(const QString& owner);

// The verification of the database settings and its handlers A to E.
MessageRequest testNewSettings();
MessageRequest settingsIncomplete(const AppError& error);  // A
MessageRequest unableToConnect(const AppError& error);     // B
MessageRequest tableTestFailed(const AppError& error);     // C
MessageRequest unableToVerify();                           // C, answered No
MessageRequest initializeTables();
MessageRequest unableToCreateTables(const AppError& error);  // D
MessageRequest errorInSettings(const AppError& error);       // E
MessageRequest testSucceeded();

// "&Initialize Report Tables" and "&Lookup...".
MessageRequest createTablesQuestion();
MessageRequest tablesNotCreated(const AppError& error);
MessageRequest serverUnreachable(const QString& server);
MessageRequest lookupFailed(const AppError& error);

}  // namespace sentrel::reporting_messages
