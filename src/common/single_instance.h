// One running copy of the tool at a time.
#pragma once

namespace mvane {

// Ends the process with exit code -1, silently, when a mutex of this name already
// exists or none can be created; otherwise keeps it for the life of the process.
void EnsureSingleInstance(const char* mutexName);

}  // namespace mvane
