#pragma once
// Pictures made without a window: the score area as the editor shows it.

#include "app/WindowGeometry.h"

#include <cstdint>
#include <string>

namespace sorn {

class SornData;

struct ViewRequest {
    std::uint8_t part = 0;
    int scroll = 0; // first visible position
    int windowWidth = kClientWidth;
};

// Writes the PNG; returns an empty string, or what went wrong.
std::string RenderView(const SornData& doc, const ViewRequest& view, const std::string& path);

} // namespace sorn
