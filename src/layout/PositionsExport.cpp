#include "layout/PositionsExport.h"

#include "layout/ScoreLayout.h"
#include "model/SornData.h"
#include "sound/SornCalculater.h"

#include <cstdio>
#include <memory>

namespace sorn {

std::string PositionsJson(const SornData& doc, bool fullScore) {
    const Timeline timeline(doc);
    const ScoreGrid grid = fullScore ? ScoreGrid(doc, timeline) : ScoreGrid();
    std::unique_ptr<ScoreLayout> layout;
    if (fullScore)
        layout = std::make_unique<FullScoreLayout>(StaffLayout{}, grid, 0, 0);
    else
        layout = std::make_unique<ColumnLayout>(StaffLayout{}, 0);
    // The tempo counts quarter notes a minute.
    const double msPerTick =
        doc.Speed() > 0 ? 60000.0 / (doc.Speed() * (CalcTicksPerWhole / 4.0)) : 0.0;

    std::string out = "{\"layout\":\"";
    out += fullScore ? "score" : "part";
    out += "\",\"tempo\":" + std::to_string(doc.Speed()) +
           ",\"ticksPerWhole\":" + std::to_string(CalcTicksPerWhole) + ",\"parts\":[";
    char number[64];
    for (int p = 0; p < doc.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const auto staffTop = static_cast<int>(static_cast<float>(layout->Staff().StaffTop) +
                                               layout->StaffOffset(part));
        out += (p ? ",{" : "{") + std::string("\"part\":") + std::to_string(p + 1) +
               ",\"staffTop\":" + std::to_string(staffTop) + ",\"positions\":[";
        for (std::int32_t i = 0; i <= doc.Length(); ++i) {
            const std::int64_t ticks = timeline.Onset(part, i);
            std::snprintf(number, sizeof number, "%.3f", static_cast<double>(ticks) * msPerTick);
            out += (i ? ",{" : "{") + std::string("\"position\":") + std::to_string(i) +
                   ",\"ticks\":" + std::to_string(ticks) + ",\"ms\":" + number +
                   ",\"x\":" + std::to_string(static_cast<int>(layout->X(part, i))) + "}";
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

} // namespace sorn
