#include "sound/ExportError.h"

#include "model/ErrorReason.h"

#include <cerrno>

namespace sorn {

ExportError ExportError::FromFile(std::error_code error) {
    return {error.value() != 0 ? error.value() : EIO, ErrorReason(error, FileAction::Write)};
}

std::string PartLabel(int part) {
    return "パート " + std::to_string(part + 1);
}

} // namespace sorn
