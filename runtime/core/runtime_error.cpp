#include "runtime/core/runtime_error.h"

#include <cstdio>
#include <exception>
#include <new>
#include <utility>

namespace tessel::runtime {
namespace {

std::string Hex(Status status) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(status));
  return text;
}

std::string Summary(Status status, const std::string& object, const std::string& operation) {
  return "status " + Hex(status) + " from " + object + "." + operation;
}

}  // namespace

RuntimeError::RuntimeError(Status status, std::string object, std::string interface_name,
                           std::string operation, std::string cause)
    : std::runtime_error(Summary(status, object, operation)),
      status_(status),
      object_(std::move(object)),
      interface_name_(std::move(interface_name)),
      operation_(std::move(operation)),
      cause_(std::move(cause)) {}

RuntimeError RuntimeError::FloatingPoint() {
  RuntimeError error(kOverflow, "", "", "");
  error.floating_point_ = true;
  return error;
}

std::string RuntimeError::UserMessage() const {
  if (floating_point_) {
    return "Laufzeitfehler (Status " + Hex(status_) +
           "):\n\nFehler bei einer Gleitkommaberechnung (ungültige Operation, Division durch "
           "null oder Überlauf).";
  }
  std::string text = "Laufzeitfehler (Status " + Hex(status_) + "):\n\nDie Operation '" +
                     operation_ + "' des Objekts '" + object_ + "' (Schnittstelle " +
                     interface_name_ + ") ist fehlgeschlagen.";
  if (!cause_.empty()) text += "\n\n" + cause_;
  return text;
}

void check(const Result& result, std::string_view object, std::string_view interface_name,
           std::string_view operation) {
  if (Failed(result)) {
    throw RuntimeError(result.status(), std::string(object), std::string(interface_name),
                       std::string(operation), result.cause());
  }
}

void RaiseFloatingPointError() { throw RuntimeError::FloatingPoint(); }

RuntimeError CaughtAsRuntimeError(std::string_view object, std::string_view interface_name,
                                  std::string_view operation) {
  const auto failure = [&](Status status, std::string cause) {
    return RuntimeError(status, std::string(object), std::string(interface_name),
                        std::string(operation), std::move(cause));
  };
  try {
    throw;
  } catch (const RuntimeError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return failure(kOutOfMemory, "");
  } catch (const std::exception& error) {
    return failure(kFailed, error.what());
  } catch (...) {
    return failure(kFailed, "");
  }
}

}  // namespace tessel::runtime
