#pragma once
// A canvas that keeps every call as a line of text, so tests can state
// exact coordinates: "line 60 56 60 88". Relative lines are kept with
// their absolute ends.

#include "render/Canvas.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace sorn::test {

class RecordingCanvas : public Canvas {
public:
    // digits: significant digits of a coordinate in the recording.
    explicit RecordingCanvas(float width = 629, float height = 155, int digits = 4)
        : width_(width), height_(height), digits_(digits) {}

    std::vector<std::string> calls;

    void Clear() override { calls.push_back("clear"); }
    void SetLineWidth(int width) override { calls.push_back("width " + std::to_string(width)); }
    void SetFillSolid(bool solid) override { calls.push_back(solid ? "fill solid" : "fill none"); }
    void SetInvert(bool invert) override { calls.push_back(invert ? "invert on" : "invert off"); }
    void Line(float x1, float y1, float x2, float y2) override {
        calls.push_back("line " + F(x1) + " " + F(y1) + " " + F(x2) + " " + F(y2));
        cx_ = x2;
        cy_ = y2;
    }
    void LineBy(float dx, float dy) override { Line(cx_, cy_, cx_ + dx, cy_ + dy); }
    void Box(float x, float y, float w, float h) override {
        calls.push_back("box " + F(x) + " " + F(y) + " " + F(w) + " " + F(h));
    }
    void Circle(float cx, float cy, float r) override {
        calls.push_back("circle " + F(cx) + " " + F(cy) + " " + F(r));
    }
    void Arc(float cx, float cy, float r, float a1, float a2) override {
        calls.push_back("arc " + F(cx) + " " + F(cy) + " " + F(r) + " " + F(a1) + " " + F(a2));
    }
    void Point(float x, float y) override { calls.push_back("point " + F(x) + " " + F(y)); }
    void Glyph(GlyphKey key, Rect s, Rect t, GlyphMode mode) override {
        static const char* names[] = {"toon",    "heon", "haona", "haont",    "number",
                                      "natural", "flat", "sharp", "dynamics", "flag"};
        calls.push_back(std::string("glyph ") + names[static_cast<int>(key)] + " " + F(s.x) + " " +
                        F(s.y) + " " + F(s.width) + " " + F(s.height) + " -> " + F(t.x) + " " +
                        F(t.y) + " " + F(t.width) + " " + F(t.height) +
                        (mode == GlyphMode::And ? " and" : " copy"));
    }
    void SetTextSize(float pixels, bool bold) override {
        size_ = pixels;
        calls.push_back("size " + F(pixels) + (bold ? " bold" : ""));
    }
    void Text(std::string_view text, float x, float y) override {
        calls.push_back("text " + std::string(text) + " " + F(x) + " " + F(y));
    }
    // A fixed advance, so tests can say where centred words stand: 6 for
    // each character of the Latin and other narrow scripts, 12 for each one
    // from U+1100 on (kana, kanji and the other wide ones).
    float TextWidth(std::string_view text) const override {
        float width = 0;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            const auto second = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            const bool wide =
                n > 3 || (n == 3 && (lead > 0xE1 || (lead == 0xE1 && second >= 0x84)));
            width += wide ? 12 : 6;
            i += n;
        }
        return width * size_ / 12;
    }
    float Width() const override { return width_; }
    float Height() const override { return height_; }

    // The calls that start with a prefix, in order.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
        return out;
    }
    bool Has(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    // Shortest form of a coordinate: 60, 92.5, 0.3367.
    static std::string N(float v, int digits = 4) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(v));
        return buffer;
    }

private:
    std::string F(float v) const { return N(v, digits_); }

    float width_;
    float height_;
    int digits_;
    float cx_ = 0;
    float cy_ = 0;
    float size_ = 12;
};

} // namespace sorn::test
