#pragma once

#include <stdexcept>
#include <string>

namespace sentrel::country {

// The error the country lookup raises: a number and a description, the way the editor shows
// run-time errors ("Error #" + number).
class CountryError : public std::runtime_error {
  public:
    CountryError(int number, const std::string& description);

    int number() const { return number_; }
    std::string description() const { return what(); }

    static constexpr const char* kSource = "Norvane.CountryObj";

    // The lookup cannot be created: its database is not installed.
    static constexpr int kCannotCreate = 429;
    // The database is there but cannot be read, or is not a country database.
    static constexpr int kPathFileAccess = 75;

  private:
    int number_;
};

}  // namespace sentrel::country
