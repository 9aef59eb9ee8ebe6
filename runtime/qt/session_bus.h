#pragma once

namespace tessel::runtime::qt {

// Lets Qt use the user's D-Bus session bus, for screen readers, but never start one of its own:
// a bus the program started itself would outlive it, and no screen reader would be on it.
// Call before the application object exists.
void UseOnlyARunningSessionBus();

}  // namespace tessel::runtime::qt
