#pragma once

#include <string>

namespace sorn {

// Where the program keeps a file of its own ("Listen.mid", "GImage.bmp"):
// beside the program when that folder is writable, else in the user's data
// folder, which is made when missing.
std::string WritableDataFile(const std::string& appPath, const std::string& name);

} // namespace sorn
