#pragma once

#include <string>

namespace sorn {

// The path of one of the editor's scratch files ("Listen.mid",
// "GImage.bmp"), private to this user and this running editor: in the
// user's runtime folder (else the cache folder), named "Listen-PID.mid".
// The first call makes the file, exclusively and never through a symlink;
// an empty string when that failed.
std::string ScratchFile(const std::string& name);

// Removes every scratch file this editor made; for when it closes.
void RemoveScratchFiles();

} // namespace sorn
