#pragma once

#include "core/Error.h"

namespace corvella::mail {

/// An error of the socket layer: lookup, connection, or a platform socket error with its numbered text.
class ESockError : public Error {
public:
    using Error::Error;
};

/// A send or read that was cancelled, by the user or by the time-out.
class EAbortError : public ESockError {
public:
    using ESockError::ESockError;
};

} // namespace corvella::mail
