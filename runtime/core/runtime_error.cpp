#include "runtime/core/runtime_error.h"

#include <cstdio>

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
                           std::string operation)
    : std::runtime_error(Summary(status, object, operation)),
      status_(status),
      object_(std::move(object)),
      interface_name_(std::move(interface_name)),
      operation_(std::move(operation)) {}

std::string RuntimeError::UserMessage() const {
  if (operation_.empty()) {
    return "Laufzeitfehler (Status " + Hex(status_) +
           "):\n\nFehler bei einer Gleitkommaberechnung (ungültige Operation, Division durch "
           "null oder Überlauf).";
  }
  return "Laufzeitfehler (Status " + Hex(status_) + "):\n\nDie Operation '" + operation_ +
         "' des Objekts '" + object_ + "' (Schnittstelle " + interface_name_ +
         ") ist fehlgeschlagen.";
}

void check(Status status, std::string_view object, std::string_view interface_name,
           std::string_view operation) {
  if (Failed(status)) {
    throw RuntimeError(status, std::string(object), std::string(interface_name),
                       std::string(operation));
  }
}

void RaiseFloatingPointError() { throw RuntimeError(kOverflow, "", "", ""); }

}  // namespace tessel::runtime
