#pragma once

#include "core/Error.h"

#include <functional>

namespace corvella::test {

/// The message of the error `action` raises; empty when it raises none.
inline QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.message();
    }
    return QString();
}

} // namespace corvella::test
