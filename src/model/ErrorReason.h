#pragma once
// Why a file could not be read or written, in Japanese, for the user to act on.

#include <string>
#include <system_error>

namespace sorn {

enum class FileAction { Read, Write };

std::string ErrorReason(std::error_code error, FileAction action);

} // namespace sorn
