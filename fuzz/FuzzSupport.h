#pragma once
// What every fuzz target shares: the input as a file, a folder in memory for
// what the exports write, silent message boxes, a canvas that checks every
// call, and the checks that turn a wrong result into a crash libFuzzer keeps.

#include "model/MessageBoxes.h"
#include "model/SornData.h"
#include "render/Canvas.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sorn::fuzz {

using Bytes = std::span<const std::uint8_t>;

// Stops the run with the reason on stderr; libFuzzer saves the input.
[[noreturn]] void Fail(const std::string& what);
inline void Require(bool condition, const char* what) {
    if (!condition) Fail(what);
}

// The bytes as a file the program opens by name. The same in-memory file is
// rewritten for every input, so no disk is touched.
const std::string& InputFile(Bytes data);
// The bytes as a file of that name in the scratch folder, for readers that
// go by the name's extension.
std::string NamedFile(const std::string& name, Bytes data);

// A path in a folder in memory that lives as long as the process.
std::string ScratchFile(const std::string& name);
// What the folder holds now, so a check can see files left behind.
std::vector<std::string> ScratchNames();
std::vector<std::uint8_t> ReadFile(const std::string& path);

class SilentBoxes : public MessageBoxes {
public:
    MsgResult Show(std::string_view text, MsgButtons buttons, MsgIcon icon) override;
    std::vector<std::string> shown;
};

// Draws nothing; fails on a call no real surface could carry out.
class CheckingCanvas : public Canvas {
public:
    CheckingCanvas(float width, float height) : width_(width), height_(height) {}

    void Clear() override { ++calls; }
    void SetLineWidth(int width) override;
    void SetFillSolid(bool) override { ++calls; }
    void SetInvert(bool) override { ++calls; }
    void Line(float x1, float y1, float x2, float y2) override;
    void LineBy(float dx, float dy) override;
    void Box(float x, float y, float width, float height) override;
    void Circle(float cx, float cy, float r) override;
    void Arc(float cx, float cy, float r, float a1, float a2) override;
    void Point(float x, float y) override;
    void Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) override;
    void SetTextSize(float, bool) override {}
    void Text(std::string_view text, float x, float y) override;
    float TextWidth(std::string_view text) const override {
        return 6.0f * static_cast<float>(text.size());
    }
    float Width() const override { return width_; }
    float Height() const override { return height_; }

    long calls = 0;

private:
    void Finite(std::initializer_list<float> values);

    float width_;
    float height_;
};

// A Standard MIDI File of format 1 with exactly `tracks` well-formed tracks:
// every chunk length right, every data byte below 0x80, each track closed
// by its end-of-track event.
bool IsMidiFile(Bytes file, unsigned tracks);
// A mono 16-bit 44100 Hz WAV file whose header and length agree on exactly
// `samples` samples.
bool IsWavFile(Bytes file, std::int64_t samples);

// Changes anywhere in the score's numbers or slots change this.
std::uint64_t Fingerprint(const SornData& doc);
bool SameScore(const SornData& a, const SornData& b);

} // namespace sorn::fuzz
