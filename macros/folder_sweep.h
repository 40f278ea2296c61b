#pragma once

#include <set>
#include <string>

namespace tavro {

// Removes every entry of an open folder whose name is not kept: files, symbolic links
// (removed themselves, never followed) and subfolders with everything inside them. The
// temporary files of saves still running in other processes stay.
// Works through descriptors relative to the folder, so it stays inside it whatever
// its entries are or turn into meanwhile. Returns the number of entries left behind
// because they could not be removed.
int SweepFolder(int folderFd, const std::set<std::string>& keep);

}  // namespace tavro
