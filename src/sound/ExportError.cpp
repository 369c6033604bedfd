#include "sound/ExportError.h"

#include "model/ErrorReason.h"

#include <cerrno>

namespace sorn {

ExportError ExportError::FromFile(std::error_code error) {
    return {error.value() != 0 ? error.value() : EIO, ErrorReason(error, FileAction::Write)};
}

Message PartLabel(int part) {
    return CoreMessage(SORN_TRANSLATE_NOOP("Core", "パート %1"), part + 1);
}

} // namespace sorn
