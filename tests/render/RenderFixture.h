#pragma once
// A one-part score and a recording canvas to draw single positions with.

#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "render/DrawPosition.h"
#include "support/RecordingCanvas.h"

namespace sorn::test {

struct Drawing {
    SornData doc;
    StaffLayout layout;
    RecordingCanvas canvas;
    std::int32_t beamEnd = -1;

    Drawing() { doc.FileNew(); }
    Drawing& Put(std::int32_t iti, std::uint8_t kind, std::uint8_t value) {
        doc.SetGData1(0, iti, 0, kind, value);
        return *this;
    }
    Drawing& Attach(std::int32_t iti, std::uint8_t kind, std::uint8_t value) {
        doc.CheckGData1(0, iti, kind, value);
        return *this;
    }
    // Draws one position at its screen column (position 0 centred at x = 40).
    RecordingCanvas& Draw(std::int32_t iti, float offset = 0) {
        DrawPosition(doc, 0, iti, canvas, layout, 40.0f + 40.0f * static_cast<float>(iti), offset,
                     beamEnd);
        return canvas;
    }
};

} // namespace sorn::test
