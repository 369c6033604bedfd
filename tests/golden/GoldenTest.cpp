// Golden pictures: every example score drawn into the recording canvas, as
// the score area shows it at a few scroll positions and as every printed
// page (plain and closed up), against the recordings in tests/golden/.
// A drawing change shows up as the diff of a recording:
//   scripts/update-golden.sh     rewrites them after a deliberate change

#include "model/MessageBoxes.h"
#include "model/SornData.h"
#include "print/PrintLayout.h"
#include "render/RedrawScore.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace sorn::test {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(SORN_SOURCE_DIR) / "data/examples";
const fs::path kGolden = fs::path(SORN_SOURCE_DIR) / "tests/golden";
// The score area of the editor at its start-up size.
constexpr float kViewWidth = 629;
constexpr float kViewHeight = 155;
// Enough digits that a moved primitive changes its line.
constexpr int kDigits = 6;

struct RefuseEverything : MessageBoxes {
    MsgResult Show(std::string_view text, MsgButtons, MsgIcon) override {
        ADD_FAILURE() << text;
        return MsgResult::Ok;
    }
};

bool Updating() {
    const char* update = std::getenv("SORN_UPDATE_GOLDEN");
    return update && *update && std::string_view(update) != "0";
}

std::string Join(const std::vector<std::string>& calls) {
    std::string out;
    for (const std::string& call : calls)
        out += call + "\n";
    return out;
}

// Every recording of one score, by file name relative to its folder.
std::map<std::string, std::string> Record(const SornData& doc) {
    std::map<std::string, std::string> out;
    for (int part = 0; part <= doc.PartSuu(); ++part) {
        const std::string prefix = "part" + std::to_string(part + 1);
        // The start, the middle and the end, with the cursor where a fresh view has it.
        std::string views;
        for (std::int32_t first : {0, doc.Length() / 2, std::max(0, doc.Length() - 10)}) {
            RecordingCanvas canvas(kViewWidth, kViewHeight, kDigits);
            ScoreView view;
            view.part = static_cast<std::uint8_t>(part);
            view.first = first;
            RedrawScore(doc, view, canvas);
            views += "# from position " + std::to_string(first) + "\n" + Join(canvas.calls);
        }
        out[prefix + "-view.txt"] = views;
        for (bool compact : {false, true}) {
            std::string pages;
            const OriginalPages laidOut(doc, static_cast<std::uint8_t>(part), compact);
            for (int page = 0; page < laidOut.PageCount(); ++page) {
                RecordingCanvas canvas(kPageWidth, kPageHeight, kDigits);
                laidOut.Draw(page, canvas);
                pages += "# page " + std::to_string(page + 1) + "\n" + Join(canvas.calls);
            }
            out[prefix + (compact ? "-pages-compact.txt" : "-pages.txt")] = pages;
        }
    }
    return out;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The first line where two recordings part, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string le, la;
    for (int line = 1;; ++line) {
        const bool moreE = static_cast<bool>(std::getline(e, le));
        const bool moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA) return "identical";
        if (!moreE || !moreA || le != la)
            return "line " + std::to_string(line) + ": expected \"" + (moreE ? le : "<end>") +
                   "\", drawn \"" + (moreA ? la : "<end>") + "\"";
    }
}

std::vector<fs::path> Examples() {
    std::vector<fs::path> scores;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".sorn") scores.push_back(entry.path());
    std::sort(scores.begin(), scores.end());
    return scores;
}

// Each example, each recording; no recording without its example.
TEST(GoldenPictures, EveryExampleDrawsAsRecorded) {
    const std::vector<fs::path> scores = Examples();
    ASSERT_FALSE(scores.empty());
    if (Updating())
        for (const auto& entry : fs::directory_iterator(kGolden))
            if (entry.is_directory()) fs::remove_all(entry.path());
    std::vector<std::string> folders;
    for (const fs::path& score : scores) {
        SCOPED_TRACE(score.filename().string());
        SornData doc;
        RefuseEverything boxes;
        std::error_code error;
        ASSERT_EQ(doc.FileOpen(score.string(), boxes, &error), OpenResult::Opened);
        const std::string name = score.stem().string();
        folders.push_back(name);
        const fs::path folder = kGolden / name;
        const std::map<std::string, std::string> recordings = Record(doc);
        if (Updating()) {
            fs::create_directories(folder);
            for (const auto& [file, text] : recordings)
                std::ofstream(folder / file, std::ios::binary) << text;
            continue;
        }
        std::vector<std::string> stored;
        if (fs::is_directory(folder))
            for (const auto& entry : fs::directory_iterator(folder))
                stored.push_back(entry.path().filename().string());
        std::sort(stored.begin(), stored.end());
        std::vector<std::string> made;
        for (const auto& [file, text] : recordings) {
            made.push_back(file);
            if (!fs::exists(folder / file)) continue;
            const std::string expected = ReadText(folder / file);
            EXPECT_TRUE(expected == text)
                << name << "/" << file << " differs at " << FirstDifference(expected, text)
                << "; scripts/update-golden.sh rewrites the recordings";
        }
        EXPECT_EQ(stored, made) << "the recordings of " << name
                                << " are not the ones drawn; scripts/update-golden.sh";
    }
    if (Updating()) return;
    std::vector<std::string> stored;
    for (const auto& entry : fs::directory_iterator(kGolden))
        if (entry.is_directory()) stored.push_back(entry.path().filename().string());
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, folders) << "every folder of tests/golden belongs to an example";
}

} // namespace
} // namespace sorn::test
