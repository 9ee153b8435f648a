#pragma once

#include <string>
#include <string_view>

#include "detect/BddContent.h"

namespace sentrel::detect {

// Reads a BDD file: the bytes are unscrambled with the scramble key and parsed. A file that
// already holds the plain XML text (for example one unscrambled by hand for inspection) is
// read as it stands. Every failure throws DetectError with a description that names the file
// and says why: missing (53), not readable (70), other access errors (75), or not a BDD /
// damaged (kNotADataFile).
class BddReader {
  public:
    static BddContent readFile(const std::string& path);
    // The same for bytes already in memory; `origin` names them in messages.
    static BddContent readBytes(std::string_view bytes, const std::string& origin);
    // The plain XML text of a BDD's bytes (unscrambled unless already plain).
    static std::string plainText(std::string_view bytes);
};

}  // namespace sentrel::detect
