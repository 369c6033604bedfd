#pragma once
// Printing a part: every page drawn onto the printer's page as vectors,
// once; the printer makes the copies.

#include "platform/Printer.h"

#include <QImage>
#include <cstdint>
#include <string>

namespace sorn {

class ProgressSink;
class SornData;

// The page canvas, 1240 x 1448, white.
QImage NewPageImage();

// Renders one page (from 0) into the image; returns the last page index.
int RenderPage(const SornData& doc, std::uint8_t part, bool compact, int page, QImage& image);

enum class PrintResult { Printed, Failed, Cancelled };

// Prints copies of every page; a PDF file gets one copy, as more of the same
// pages in one file would only fill the disk. `image`, when given, receives
// the first page as the bitmap page the print dialog shows. Progress counts
// pages and may cancel between them. After a failure or a cancel nothing is
// printed and nothing is left of a PDF.
PrintResult PrintPart(const SornData& doc, std::uint8_t part, bool compact, PaperSize paper,
                      int copies, Printer& printer, const std::string& pdfPath, QImage* image,
                      ProgressSink* progress = nullptr);

// What the user is told when PrintPart failed.
std::string PrintFailureMessage(const Printer& printer, const std::string& pdfPath);

} // namespace sorn
