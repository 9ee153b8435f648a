#pragma once

#include <QString>

namespace sentrel::bdf {

class BdfTool;

// Where `merge` writes without -o: beside the input, "NAME.merged.bdf" for "NAME.bdf".
QString mergedPathFor(const QString& definitionFile);

// The command that replays a merge file onto a definition file: merge DEFS CHANGES
// [-o OUT] [--report FILE]. Exit 0 when every record was applied or already so, 1 with
// conflicts (listed), 2 on a usage error or when a file cannot be read or written.
void addMergeCommand(BdfTool& tool);

}  // namespace sentrel::bdf
