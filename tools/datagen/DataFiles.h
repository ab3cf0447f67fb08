#pragma once

#include <string>
#include <vector>

namespace vantrel::datagen {

// The names of every file the scene reads, as writeDataFiles writes them.
std::vector<std::string> dataFileNames();

// Writes every data file of the scene into `folder` (which must exist). Each file is
// written under a temporary name and renamed, so a reader never sees half a file.
void writeDataFiles(const std::string& folder);

} // namespace vantrel::datagen
