#pragma once
// Files a command would write over in a folder are replaced only when the
// user says so.

#include <string>
#include <vector>

namespace sorn {

class MessageBoxes;

// True when none of the paths exists, or the user answered yes to
// replacing those that do (the first ten named, the rest counted).
bool MayReplaceFiles(MessageBoxes& boxes, const std::vector<std::string>& paths);

} // namespace sorn
