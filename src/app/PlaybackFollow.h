#pragma once
// What the score area keeps while it follows an audition: when each
// position of the current part sounds, the position marked now, and the
// view to go back to when the audition window closes.

#include "sound/PlayTimes.h"

#include <algorithm>
#include <cstdint>

namespace sorn {

struct PlaybackFollow {
    bool active = false;
    PlayTimes times;
    std::int32_t marked = -1; // the position sounding, -1 before the first
    std::int32_t savedScroll = 0;
    std::int16_t savedCursorColumn = 0;

    // The first visible position that shows `position`: the view stays put
    // while the mark is on it and turns a whole page when the mark leaves,
    // forward at the right edge or back with a repeat.
    static std::int32_t PageScroll(std::int32_t position, std::int32_t scroll,
                                   std::int32_t visibleColumns, std::int32_t maximum) {
        if (position < 0 || (position >= scroll && position < scroll + visibleColumns))
            return scroll;
        return std::clamp(position, 0, std::max(maximum, 0));
    }
};

} // namespace sorn
