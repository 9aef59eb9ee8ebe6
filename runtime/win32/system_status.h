#pragma once

#include "runtime/core/status.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// The failure of the system call just made, as the runtime reports it: the error the call left,
// in the system's own form of a status (0x8007xxxx), or an unspecified failure where it left
// none.
inline Status LastErrorStatus() {
  const DWORD error = GetLastError();
  return error == 0 ? kFailed : static_cast<Status>(HRESULT_FROM_WIN32(error));
}

// Makes a system call that answers zero (FALSE, a null handle) when it fails: kOk, or the error
// it left.
template <typename Call>
Status Checked(Call&& call) {
  SetLastError(0);
  return call() ? kOk : LastErrorStatus();
}

}  // namespace tessel::runtime::win32
