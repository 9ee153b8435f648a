#pragma once

namespace sentrel::bdf {

class BdfTool;

// The BDD commands: `export FILE [TARGET]` writes the BDD of a definition file (by default
// beside it, its last three characters replaced by "bdd"), with the version and last update
// of the file's Internals; `decode BDD` prints the plain XML text of a BDD file.
void addExportCommands(BdfTool& tool);

}  // namespace sentrel::bdf
