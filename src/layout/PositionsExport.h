#pragma once
// Where and when every position of every part stands: its notated onset in
// ticks and in milliseconds at the score's tempo, and its place in the
// view's pixels. What a player that follows a recording, or a video, needs
// to move a mark in time with the music.

#include <string>

namespace sorn {

class SornData;

// One JSON object; fullScore places the positions as the full score does,
// else each part as it is shown alone.
std::string PositionsJson(const SornData& doc, bool fullScore);

} // namespace sorn
