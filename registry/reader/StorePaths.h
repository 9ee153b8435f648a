#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace sentrel::reg {

// Where the key store and its keys lie on disk (file names as UTF-8 bytes).

// $SENTREL_REGISTRY, else `machineFolder` when that folder exists, else the personal store
// $XDG_CONFIG_HOME/sentrel/registry, where the configuration folder defaults to ~/.config
// (home from $HOME, else from the account's entry, else "/").
std::string defaultStoreRoot(const std::string& machineFolder);

// The path made absolute against the current folder and cleaned: no ".", no "..", below the
// root, no doubled or trailing "/" (a ".." above the root stays).
std::string absoluteCleanPath(std::string_view path);

// Whether the path names a folder (or a link to one).
bool isFolder(const std::string& path);

// Compares the key name of a sub-folder found on disk with the key name asked for.
using KeyNameEquality = std::function<bool(std::string_view onDisk, std::string_view wanted)>;

// The folder of the key `name` under the key folder `parent`: the folder of that exact
// spelling when there is one, else the first sub-folder (in name order) whose key name
// `equal` finds the same; empty when there is none.
std::string childKeyFolder(const std::string& parent, std::string_view name,
                           const KeyNameEquality& equal);

}  // namespace sentrel::reg
