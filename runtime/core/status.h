#pragma once

#include <cstdint>

namespace tessel::runtime {

// Every window operation answers with a status; negative is failure.
using Status = std::int32_t;

inline constexpr Status kOk = 0;
inline constexpr Status kFailed = static_cast<Status>(0x80004005);           // unspecified failure
inline constexpr Status kInvalidArgument = static_cast<Status>(0x80070057);  // bad handle or value
inline constexpr Status kOutOfMemory = static_cast<Status>(0x8007000E);
inline constexpr Status kOverflow = static_cast<Status>(0x800A0006);    // floating-point error
inline constexpr Status kLoadFailed = static_cast<Status>(0x800A0173);  // window could not load

inline bool Failed(Status status) { return status < 0; }

}  // namespace tessel::runtime
