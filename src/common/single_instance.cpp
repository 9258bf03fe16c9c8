#include "common/single_instance.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace mvane {

void EnsureSingleInstance(const char* mutexName) {
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(mutexName).c_str());
  const DWORD error = GetLastError();
  if (!mutex) ExitProcess(static_cast<UINT>(-1));
  if (error == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    ExitProcess(static_cast<UINT>(-1));
  }
  // The handle stays open: its existence is what marks this instance.
}

}  // namespace mvane
