#pragma once

#include <stdexcept>
#include <string>

namespace sentrel::detect {

// The error every failure of the detection library raises: a number, a source and a
// description, the way the editor shows run-time errors ("Error #" + number). File problems
// use the classic run-time numbers; problems with the content of a data file use numbers
// from the object-error base (hexadecimal 80040000).
class DetectError : public std::runtime_error {
  public:
    DetectError(int number, const std::string& description,
                std::string source = std::string(kDefaultSource));

    int number() const { return number_; }
    const std::string& source() const { return source_; }
    std::string description() const { return what(); }

    static constexpr const char* kDefaultSource = "Sentrel.browserObj";

    static constexpr int kOutOfMemory = 7;
    static constexpr int kFileNotFound = 53;
    static constexpr int kPermissionDenied = 70;
    static constexpr int kPathFileAccess = 75;

    static constexpr int kObjectErrorBase = static_cast<int>(0x80040000u);
    static constexpr int kNotADataFile = kObjectErrorBase + 1;     // not a BDD, or damaged
    static constexpr int kNoDataFile = kObjectErrorBase + 2;       // DataFile was never set
    static constexpr int kNotInitialized = kObjectErrorBase + 3;   // Initialize was never called
    static constexpr int kUnknownProperty = kObjectErrorBase + 4;  // no property of that name

  private:
    int number_;
    std::string source_;
};

}  // namespace sentrel::detect
