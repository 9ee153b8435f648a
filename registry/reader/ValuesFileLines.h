#pragma once

#include <functional>
#include <string_view>

namespace sentrel::reg {

// Splits the content of a values file into its entries, one per line, except that a hex
// value that regedit wrapped (the line ends with a backslash) goes on over the lines below.
// For each entry `visit` gets the raw text as it stands in the file (its lines joined with
// '\n') and the line to decode: byte-order marks in front removed (a text editor put one
// before the file, or files were joined) and the continuations joined. Both views are only
// valid during the call.
void forEachValuesFileLine(
    std::string_view content,
    const std::function<void(std::string_view raw, std::string_view joined)>& visit);

}  // namespace sentrel::reg
