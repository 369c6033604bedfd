#pragma once
// Pictures made without a window: the score area as the editor shows it.

#include "app/WindowGeometry.h"
#include "platform/Printer.h"

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

struct PageRequest {
    std::uint8_t part = 0;
    int page = 0; // from 0
    bool compact = false;
    PaperSize paper = PaperSize::A4;
};

bool PaperByName(const std::string& name, PaperSize& paper);
// One printed page as a PNG, or every page of the part into a PDF file.
std::string RenderPageImage(const SornData& doc, const PageRequest& request,
                            const std::string& path);
std::string PrintPdf(const SornData& doc, const PageRequest& request, const std::string& path);

} // namespace sorn
