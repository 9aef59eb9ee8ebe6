#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/core/status.h"

namespace tessel::runtime {

// The one error of the runtime: a failing status with the object, its interface and the
// operation that failed. It is raised where the failure is found, ends the handler it passes
// through, and reaches the user through the one report (Application::Report).
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(Status status, std::string object, std::string interface_name, std::string operation,
               std::string cause = {});

  // The floating-point error (invalid operation, division by zero, overflow): no object's
  // operation, a fixed text.
  static RuntimeError FloatingPoint();

  Status status() const { return status_; }
  const std::string& object() const { return object_; }
  const std::string& interface_name() const { return interface_name_; }
  const std::string& operation() const { return operation_; }
  const std::string& cause() const { return cause_; }  // in words; may be empty

  // The text of the German message box.
  std::string UserMessage() const;

 private:
  bool floating_point_ = false;
  Status status_;
  std::string object_;
  std::string interface_name_;
  std::string operation_;
  std::string cause_;
};

// Anything that can be named in an error report.
template <typename T>
concept Reportable = requires(const T& object) {
  { object.ObjectName() } -> std::convertible_to<std::string>;
  { object.InterfaceName() } -> std::convertible_to<std::string>;
};

// The error report: a failing result raises the runtime error at once, with its cause.
void check(const Result& result, std::string_view object, std::string_view interface_name,
           std::string_view operation);

template <Reportable T>
void check(const Result& result, const T& object, std::string_view operation) {
  if (Failed(result)) check(result, object.ObjectName(), object.InterfaceName(), operation);
}

// Any exception that left a handler as the runtime error to report: a runtime error as it is,
// running out of memory and every other failure as a failure of the window's `operation`. Call
// it from a catch block.
RuntimeError CaughtAsRuntimeError(std::string_view object, std::string_view interface_name,
                                  std::string_view operation);

template <Reportable T>
RuntimeError CaughtAsRuntimeError(const T& object, std::string_view operation) {
  return CaughtAsRuntimeError(object.ObjectName(), object.InterfaceName(), operation);
}

// Raises RuntimeError::FloatingPoint().
[[noreturn]] void RaiseFloatingPointError();

}  // namespace tessel::runtime
