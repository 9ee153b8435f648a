#pragma once

#include <QString>

namespace sentrel::doc {

// The user's private folder for files that live only while programs run (locks of
// documents in folders the user cannot write): $XDG_RUNTIME_DIR + "/sentrel" when
// XDG_RUNTIME_DIR is set, else the temporary folder + "/sentrel-" + the user id. It is created
// when missing with access for the user alone; a folder of that name that belongs to another
// account (or is no folder) is refused, since whoever owns it could take or fake the locks.
// Throws AppError 70 when it cannot be had.
QString runtimeFolder();

}  // namespace sentrel::doc
