#pragma once
// Printing a part: every page rendered onto the page canvas and handed to
// the printer, one document per copy.

#include "platform/Printer.h"

#include <QImage>
#include <cstdint>
#include <string>

namespace sorn {

class SornData;

// The page canvas, 1240 x 1448, white.
QImage NewPageImage();

// Renders one page (from 0) into the image; returns the last page index.
int RenderPage(const SornData& doc, std::uint8_t part, bool compact, int page, QImage& image);

// Prints copies of every page. Into a PDF all copies go into the one file.
// Returns false when the printer failed; nothing is then left of a PDF.
bool PrintPart(const SornData& doc, std::uint8_t part, bool compact, PaperSize paper, int copies,
               Printer& printer, const std::string& pdfPath, QImage& image);

} // namespace sorn
