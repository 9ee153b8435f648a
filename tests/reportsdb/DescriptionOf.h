#pragma once

#include <functional>
#include <string>

#include "support/ThrownError.h"

namespace sentrel::test {

// The description of the error a call throws, as a std::string so that a failing
// comparison shows it readably ("" when the call returns normally).
inline std::string descriptionOf(const std::function<void()>& call) {
    return failureOf(call).description().toStdString();
}

}  // namespace sentrel::test
