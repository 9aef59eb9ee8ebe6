#include "runtime/core/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

namespace tessel::runtime {
namespace {

struct Window {
  std::string ObjectName() const { return "W6Form"; }
  std::string InterfaceName() const { return "_W6Form"; }
};

// Whatever ends a handler reaches the user as one runtime error: each row throws something and
// names the message's status and the words it must hold.
TEST(RuntimeError, EveryWayAHandlerEndsReachesTheUserAsOneMessage) {
  struct Row {
    const char* what;
    std::function<void()> fail;
    const char* status;
    const char* words;
  } const rows[] = {
      {"a failing status", [] { check(Result(kInvalidArgument, "Grund"), Window{}, "Move"); },
       "80070057",
       "Die Operation 'Move' des Objekts 'W6Form' (Schnittstelle _W6Form) ist "
       "fehlgeschlagen.\n\nGrund"},
      {"the floating-point error", [] { RaiseFloatingPointError(); }, "800A0006",
       "Fehler bei einer Gleitkommaberechnung"},
      {"memory running out", [] { throw std::bad_alloc(); }, "8007000E",
       "Die Operation 'Ereignis' des Objekts 'W6Form'"},
      {"anything else", [] { throw std::length_error("zu lang"); }, "80004005", "zu lang"},
  };
  for (const Row& row : rows) {
    std::string message;
    try {
      row.fail();
    } catch (...) {
      message = CaughtAsRuntimeError(Window{}, "Ereignis").UserMessage();
    }
    EXPECT_NE(message.find(std::string("(Status ") + row.status + ")"), std::string::npos)
        << row.what << ": " << message;
    EXPECT_NE(message.find(row.words), std::string::npos) << row.what << ": " << message;
  }
}

}  // namespace
}  // namespace tessel::runtime
