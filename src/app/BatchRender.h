#pragma once
// Pictures made without a window: the score area as the editor shows it.

#include "app/WindowGeometry.h"
#include "print/PaperSize.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sorn {

class SornData;

struct ViewRequest {
    std::uint8_t part = 0;
    int scroll = 0; // first visible position
    int windowWidth = kClientWidth;
    double scale = 1; // a PNG at another scale is drawn as vectors
    bool cursor = true;
    bool fullScore = false; // every part, aligned in time; scroll counts shared columns
};

// Writes the PNG, or an SVG when the path ends in .svg; returns an empty
// string, or what went wrong.
std::string RenderView(const SornData& doc, const ViewRequest& view, const std::string& path);

struct PageRequest {
    std::uint8_t part = 0;
    int page = 0; // from 0
    bool compact = false;
    PaperSize paper = PaperSize::A4;
    double scale = 1;                // of a PNG page
    std::vector<std::uint8_t> parts; // the reading layout's parts; none: part alone
    bool reading = false;
    bool landscape = false;
    double marginMm = 15;
};

// One printed page as a PNG or SVG, or every page of the part into a PDF file.
std::string RenderPageImage(const SornData& doc, const PageRequest& request,
                            const std::string& path);
std::string PrintPdf(const SornData& doc, const PageRequest& request, const std::string& path);
// A PDF of each part (of the parts chosen, else of every part) in a folder.
std::string PrintPartsPdf(const SornData& doc, const PageRequest& request,
                          const std::string& folder);

} // namespace sorn
