#include "country/CountryError.h"

namespace sentrel::country {

CountryError::CountryError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

}  // namespace sentrel::country
