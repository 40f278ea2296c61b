#pragma once

#include <string>

namespace tavro {

// The temporary files a save writes beside the file it replaces are named
// ".tavro-PID-N.tmp": hidden, never a name the program's own files end in, and telling
// which process wrote them, so that one left by a killed run can be told from one
// another process is still writing.

// A fresh name for this process.
std::string NextTemporaryName();

// Whether the name is a temporary file of a process that no longer exists.
bool IsStaleTemporaryName(const std::string& name);

// Whether the name is a temporary file of a process that still runs (this one included).
bool IsLiveTemporaryName(const std::string& name);

// Removes the stale temporary files from an open folder; returns how many went.
int SweepStaleTemporaryFiles(int folderFd);

}  // namespace tavro
