#pragma once
// The selected positions of the current part: from an anchor to an end, in
// either order. Shift with Left or Right and dragging let the end follow the
// cursor; Ctrl+A selects the whole part without moving it.

#include <algorithm>
#include <cstdint>

namespace sorn {

struct Selection {
    std::int32_t anchor = -1; // -1: nothing selected
    std::int32_t end = -1;
    bool followsCursor = false;

    bool Active() const { return anchor >= 0; }
    void Clear() { *this = Selection{}; }
    // Bounds within a score of positions 0..length; first > last when the
    // selection lies wholly past the end (the score got shorter).
    std::int32_t First() const { return std::min(anchor, end); }
    std::int32_t Last(std::int32_t length) const { return std::min(std::max(anchor, end), length); }
};

} // namespace sorn
