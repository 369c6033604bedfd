// Peak memory while the largest score the editor allows (256 parts of
// 32768 positions) is opened, edited, saved and exported to MIDI, set
// against the size of the score in memory.

#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "sound/SornMidi.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

double PeakMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10) / 1024.0;
    return -1;
}

struct QuietBoxes : sorn::MessageBoxes {
    sorn::MsgResult Show(std::string_view, sorn::MsgButtons, sorn::MsgIcon) override {
        return sorn::MsgResult::Ok;
    }
};

// What a user does with the score, in a process of its own so the peak is its own.
int Session(const std::string& score) {
    sorn::SornData doc;
    QuietBoxes boxes;
    if (doc.FileOpen(score, boxes) != sorn::OpenResult::Opened) return 1;
    doc.SetGData1(7, 100, 0, sorn::Kind::HalfNote, 130);
    doc.CheckGData1(7, 100, sorn::Kind::Dot, sorn::MarkPresent);
    doc.DeleteSpace(3, 50);
    doc.InsertSpace(3, 50); // the longest score refuses to grow: nothing moves
    if (doc.FileSave(score + ".saved")) return 1;
    sorn::SornMidi midi;
    if (midi.SaveToMIDI(doc, score + ".mid") != 1) return 1;

    const double scoreMiB =
        sorn::MaxParts * (sorn::MaxLength + 1.0) * sizeof(sorn::PositionRecord) / (1024 * 1024);
    const double peak = PeakMiB();
    char row[256];
    std::snprintf(row, sizeof row, "%-34s %12.1f %12.1f %9.2f %9.2fx %s (MiB vs the score)\n",
                  "peak memory, largest score", peak, scoreMiB, peak / scoreMiB, 2.0,
                  peak < 2 * scoreMiB ? "ok" : "MISSED");
    std::printf("%s", row);
    if (const char* path = std::getenv("SORN_BENCH_TABLE"))
        if (std::FILE* table = std::fopen(path, "a")) {
            std::fputs(row, table);
            std::fclose(table);
        }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--session") return Session(argv[2]);

    const fs::path dir = fs::temp_directory_path() / "sorn-memory-check";
    fs::create_directories(dir);
    const std::string score = (dir / "largest.sorn").string();
    {
        sorn::SornData doc;
        doc.FileNew();
        for (int p = 1; p < sorn::MaxParts; ++p)
            doc.AddPart();
        doc.SetLength(sorn::MaxLength);
        for (int p = 0; p < sorn::MaxParts; ++p)
            for (int i = 0; i <= sorn::MaxLength; ++i)
                doc.SetGData1(static_cast<std::uint8_t>(p), i, 0, sorn::Kind::QuarterNote,
                              static_cast<std::uint8_t>(120 + i % 12));
        if (doc.FileSave(score)) return 1;
    }
    const std::string command = std::string(argv[0]) + " --session '" + score + "'";
    const int code = std::system(command.c_str());
    fs::remove_all(dir);
    return code == 0 ? 0 : 1;
}
