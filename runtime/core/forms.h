#pragma once

// What a window's handlers use of the runtime, and nothing more: their window and its labels,
// the shared instances, the global object, a window's own procedures, the error report and the
// services the roll needs.
#include "runtime/core/form.h"
#include "runtime/core/form_class.h"
#include "runtime/core/global_object.h"
#include "runtime/core/label.h"
#include "runtime/core/runtime_error.h"
#include "runtime/core/services.h"
#include "runtime/core/status.h"

namespace tessel::runtime {

// The shared instance of a window class, created on first reference.
Form& SharedInstance(const FormClass& form_class);
// The runtime's global object, through which windows are unloaded.
GlobalObject& Global();

// Calls a window's own procedure directly. A runtime error that ends it is raised again as the
// failure of the window's `operation`, with the status and cause it carried.
void Call(Form& me, Procedure procedure, std::string_view operation);

}  // namespace tessel::runtime
