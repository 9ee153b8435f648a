#pragma once

#include "shell/Interaction.h"

namespace sentrel::options_messages {

// The messages of the Preferences and Options dialog itself.

// OK changed the reporting settings: they apply after the web server is restarted.
MessageRequest newSettings();
// The user tried to leave the tab the Setup Wizard opened.
MessageRequest finishSetupWizard();
// Reports Database entered while the reports service is set to run on another server.
MessageRequest srwsNotConfigured();
// A version box holds something that cannot be a definition file's version number.
MessageRequest invalidVersion(const QString& boxCaption, const QString& text);
// Writing the version to the open document failed.
MessageRequest versionNotWritten(int number, const QString& description);

}  // namespace sentrel::options_messages
