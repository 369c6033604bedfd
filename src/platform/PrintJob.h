#pragma once
// Printing: the original pages of one part, or the reading layout of one
// part or of several as a score, every page drawn onto the printer's page
// as vectors, once; the printer makes the copies.

#include "platform/Printer.h"

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sorn {

class OriginalPages;
class ProgressSink;
class ReadingLayout;
class SornData;

// The page canvas, 1240 x 1448, white.
QImage NewPageImage();

// Renders one page (from 0) into the image, laid out for it alone; returns
// the last page index. More pages are drawn from one PrintPages.
int RenderPage(const SornData& doc, std::uint8_t part, bool compact, int page, QImage& image);

// What is printed and how.
struct PrintChoice {
    std::vector<std::uint8_t> parts{0}; // one part, or the parts of a score in order
    bool reading = false;               // the reading layout; else the original pages of parts[0]
    bool compact = false;               // the original layout with blank columns closed up
    PaperSize paper = PaperSize::A4;
    bool landscape = false; // the reading layout only
    double marginMm = 15;   // the reading layout only
};

// The paper's width and height in millimetres, turned when landscape.
void PaperMm(PaperSize paper, bool landscape, double& width, double& height);

// The pages of a choice, laid out once.
class PrintPages {
public:
    PrintPages(const SornData& doc, const PrintChoice& choice);
    ~PrintPages();
    PrintPages(const PrintPages&) = delete;
    PrintPages& operator=(const PrintPages&) = delete;

    int PageCount() const { return pageCount_; }
    // The page's drawing coordinates, stretched over the paper.
    QSize Coordinates() const;
    void Draw(int page, Canvas& canvas) const;
    // A picture of one page, width pixels wide, for a preview.
    QImage Picture(int page, int width) const;

private:
    PrintChoice choice_;
    std::unique_ptr<OriginalPages> original_;
    std::unique_ptr<ReadingLayout> reading_;
    int pageCount_ = 1;
};

enum class PrintResult { Printed, Failed, Cancelled };

// Prints copies of every page; a PDF file gets one copy, as more of the same
// pages in one file would only fill the disk. Progress counts pages and may
// cancel between them. After a failure or a cancel nothing is printed and
// nothing is left of a PDF. The document's title and author come from the
// score when it has them.
PrintResult PrintChosen(const SornData& doc, const PrintChoice& choice, int copies,
                        Printer& printer, const std::string& pdfPath,
                        ProgressSink* progress = nullptr);

// The original pages of one part. `image`, when given, receives the first
// page as the bitmap page the print dialog shows.
PrintResult PrintPart(const SornData& doc, std::uint8_t part, bool compact, PaperSize paper,
                      int copies, Printer& printer, const std::string& pdfPath, QImage* image,
                      ProgressSink* progress = nullptr);

// What the user is told when printing failed.
std::string PrintFailureMessage(const Printer& printer, const std::string& pdfPath);

// The file name a part's own file (a PDF, a recording) takes in a folder:
// its name (or its instrument's), made safe for a file name, numbered when
// two would clash.
std::vector<std::string> PartFileNames(const SornData& doc, const std::vector<std::uint8_t>& parts,
                                       const std::string& extension = ".pdf");

} // namespace sorn
