#pragma once

#include <functional>

#include "shell/AppError.h"

namespace sentrel::test {

// The error a call throws, or an error numbered 0 when it returns normally.
inline AppError failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const AppError& e) {
        return e;
    }
    return AppError(0, QString());
}

// The number of the error a call throws, or 0.
inline int errorOf(const std::function<void()>& call) {
    return failureOf(call).number();
}

}  // namespace sentrel::test
