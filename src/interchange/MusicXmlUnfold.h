#pragma once
// MusicXML measures are shared by all parts, and other programs take the
// repeats of one part for all. A score whose parts repeat differently is
// therefore written played through: every part as our own playback walks it.

#include "model/SornData.h"

#include <cstdint>
#include <vector>

namespace sorn::musicxml {

// True when every part has the same repeat bar lines, D.C. and Fine at the
// same notated times (none at all counts as alike).
bool RepeatsAlike(const SornData& doc);
// True when some part has a repeat bar line, a D.C. or a Fine.
bool HasRepeatSigns(const SornData& doc);

// One part as played: the positions in playing order, repeat signs left
// out, with the clef, key and time a jump comes back to written where they
// differ from those in force.
struct PlayedPart {
    std::vector<PositionRecord> positions;
    // The written position each one comes from (-1: added at a jump) and
    // how many times that position was played before.
    std::vector<std::int32_t> origin;
    std::vector<int> pass;
    // Whether the walk went back at all; if not, the part is as written.
    bool jumped = false;
};
PlayedPart PlayThrough(const SornData& doc, std::uint8_t part);

} // namespace sorn::musicxml
