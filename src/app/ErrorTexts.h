#pragma once

#include <string>
#include <system_error>

namespace sorn {

// A Japanese reason for a failed file operation, for the user to act on.
std::string ErrorReason(std::error_code error);

} // namespace sorn
