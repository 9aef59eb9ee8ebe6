#pragma once

#include <cstdint>
#include <string>
#include <utility>

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

// What a window operation answers: its status and, where words tell more than the status, why
// it failed. A plain status converts to a result without a cause.
class Result {
 public:
  Result(Status status = kOk) : status_(status) {}  // NOLINT(google-explicit-constructor)
  Result(Status status, std::string cause) : status_(status), cause_(std::move(cause)) {}

  Status status() const { return status_; }
  const std::string& cause() const { return cause_; }

 private:
  Status status_;
  std::string cause_;
};

inline bool Failed(const Result& result) { return Failed(result.status()); }

}  // namespace tessel::runtime
