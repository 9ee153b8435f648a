#include "detect/DetectError.h"

#include <utility>

namespace sentrel::detect {

DetectError::DetectError(int number, const std::string& description, std::string source)
    : std::runtime_error(description), number_(number), source_(std::move(source)) {}

}  // namespace sentrel::detect
