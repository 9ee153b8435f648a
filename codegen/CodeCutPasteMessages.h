#pragma once

#include "shell/Interaction.h"

namespace sentrel {
class AppError;
}

namespace sentrel::codegen {

// Copy or save was asked for before a language was chosen.
MessageRequest warnNoLangChoiceMade();

// Writing the code to `fileName` failed.
MessageRequest saveCodeFailed(const QString& fileName, const AppError& error);

// The chooser of the file the code is saved to.
FileRequest saveCodeChooser();

}  // namespace sentrel::codegen
