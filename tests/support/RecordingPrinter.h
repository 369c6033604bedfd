#pragma once
// A printer that keeps what it was asked to do, one line per call.

#include "platform/Printer.h"

#include <string>
#include <vector>

namespace sorn::test {

class RecordingPrinter : public Printer {
public:
    bool installed = true;
    int failAtCall = -1; // the call (counted from 0) that fails
    std::vector<std::string> calls;

    bool HasPrinter() const override { return installed; }
    // "begin B5 1240x1448", then " copies N" when more than one, then the PDF.
    bool BeginDocument(PaperSize paper, QSize size, int copies, const std::string& pdf) override {
        static const char* names[] = {"A4", "A5", "B4", "B5"};
        size_ = size;
        return Record("begin " + std::string(names[static_cast<int>(paper)]) + " " +
                      std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                      (copies == 1 ? "" : " copies " + std::to_string(copies)) +
                      (pdf.empty() ? "" : " " + pdf));
    }
    bool PaintPage(const PageDrawing&) override {
        return Record("page " + std::to_string(size_.width()) + "x" +
                      std::to_string(size_.height()));
    }
    bool NewPage() override { return Record("new page"); }
    bool EndDocument() override { return Record("end"); }
    void AbandonDocument() override { Record("abandon"); }
    std::string ErrorText() const override { return "紙がありません。"; }

private:
    QSize size_;
    bool Record(std::string call) {
        calls.push_back(std::move(call));
        return static_cast<int>(calls.size()) - 1 != failAtCall;
    }
};

} // namespace sorn::test
