#pragma once
// Why a file could not be read or written, for the user to act on.

#include "model/Message.h"

#include <system_error>

namespace sorn {

enum class FileAction { Read, Write };

Message ErrorReason(std::error_code error, FileAction action);

} // namespace sorn
