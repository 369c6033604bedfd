#pragma once
// The state every part of the main window shares.

#include "layout/StaffLayout.h"

#include <cstdint>
#include <string>

namespace sorn {

struct EditorState {
    std::uint8_t CurrentPart = 0;  // mirrors the part scroll bar
    std::int16_t CursorColumn = 0; // counted from the first visible position
    std::uint8_t CursorPitch = 128;
    bool ScoreModified = false;
    std::string AppPath; // the program's folder, ending in "/"
    StaffLayout Layout;
};

} // namespace sorn
