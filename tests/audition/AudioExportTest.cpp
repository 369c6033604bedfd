// Whole-score audio through FluidSynth: its length, where it sounds and
// where it is silent, that it comes out the same every time, the balance of
// a rehearsal track, and the files written.

#include "platform/AudioExport.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/TempDir.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace sorn {
namespace {

// Two parts of one bar of quarter notes each, a bar where both rest, and a
// bar of notes again, at 120 to the quarter: two seconds a bar.
SornData Score(bool secondPartSounds = true) {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.SetSpeed(120);
    for (std::uint8_t p = 0; p < 2; ++p) {
        std::int32_t i = 0;
        auto put = [&](std::uint8_t kind, std::uint8_t value) {
            doc.SetGData1(p, i++, 0, kind, value);
        };
        const bool sounds = p == 0 || secondPartSounds;
        for (int n = 0; n < 4; ++n)
            sounds ? put(Kind::QuarterNote, static_cast<std::uint8_t>(126 - 7 * p + n))
                   : put(Kind::Rest, LengthCode::Quarter);
        put(Kind::Rest, LengthCode::Whole);
        for (int n = 0; n < 4; ++n)
            sounds ? put(Kind::QuarterNote, static_cast<std::uint8_t>(128 - 7 * p))
                   : put(Kind::Rest, LengthCode::Quarter);
    }
    return doc;
}

// Mean square of both channels over a stretch of seconds.
double Energy(const RenderedAudio& audio, double from, double to) {
    const auto a = static_cast<std::size_t>(from * audio.sampleRate) * 2;
    const auto b =
        std::min(static_cast<std::size_t>(to * audio.sampleRate) * 2, audio.samples.size());
    double sum = 0;
    for (std::size_t i = a; i < b; ++i)
        sum += static_cast<double>(audio.samples[i]) * audio.samples[i];
    return b > a ? sum / static_cast<double>(b - a) : 0;
}

RenderedAudio Render(const SornData& doc, AudioMix mix = {}) {
    std::string error;
    auto audio = RenderScoreAudio(doc, {}, mix, nullptr, error);
    EXPECT_TRUE(audio) << error;
    return audio.value_or(RenderedAudio{});
}

TEST(AudioExport, LengthSoundAndSilenceAndTheSameEveryTime) {
    const SornData doc = Score();
    const RenderedAudio audio = Render(doc);
    const double seconds = static_cast<double>(audio.samples.size()) / 2 / audio.sampleRate;
    // Six seconds of events, then the release and the reverb's breath.
    EXPECT_GE(seconds, 6.0);
    EXPECT_LE(seconds, 6.0 + 6.5);
    EXPECT_GT(Energy(audio, 0.1, 1.9), 1e-4);
    EXPECT_GT(Energy(audio, 4.1, 5.9), 1e-4);
    // Both parts rest from 2 s to 4 s: the notes' release dies away.
    EXPECT_LT(Energy(audio, 3.0, 3.9), Energy(audio, 0.1, 1.9) * 1e-3);
    EXPECT_EQ(Render(doc).samples, audio.samples);
}

// Part 0 alone sounds; brought forward it is balanceDb louder than in the
// plain mix, left behind (the other part brought forward) as much quieter.
TEST(AudioExport, RehearsalTracksBringTheirPartForward) {
    const SornData solo = Score(false);
    const double plain = Energy(Render(solo), 0.1, 1.9);
    const double forward = Energy(Render(solo, {0, 6, false}), 0.1, 1.9);
    const double behind = Energy(Render(solo, {1, 6, false}), 0.1, 1.9);
    EXPECT_NEAR(10 * std::log10(forward / plain), 6, 1.5);
    EXPECT_NEAR(10 * std::log10(behind / plain), -6, 1.5);
    // The click sounds in the bar where the parts rest.
    EXPECT_GT(Energy(Render(solo, {0, 6, true}), 2.5, 3.9), Energy(Render(solo), 2.5, 3.9) * 10);

    // One file per part, each format's own signature, no file left of a
    // cancelled set.
    test::TempDir dir;
    std::vector<std::string> written;
    const SornData doc = Score();
    ASSERT_EQ(ExportRehearsalTracks(doc, dir.File("tracks"), AudioFormat::Flac, {}, 6, false,
                                    nullptr, &written),
              "");
    ASSERT_EQ(written.size(), 2u);
    for (const std::string& path : written) {
        const auto bytes = test::ReadBytes(path);
        ASSERT_GT(bytes.size(), 4u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "fLaC") << path;
    }
    ASSERT_EQ(ExportAudio(doc, dir.File("mix.ogg"), {}), "");
    const auto ogg = test::ReadBytes(dir.File("mix.ogg"));
    ASSERT_GT(ogg.size(), 4u);
    EXPECT_EQ(std::string(ogg.begin(), ogg.begin() + 4), "OggS");
    ASSERT_EQ(ExportAudio(doc, dir.File("mix.wav"), {"", 48000, 24}), "");
    const auto wav = test::ReadBytes(dir.File("mix.wav"));
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav[34], 24); // bits per sample
    EXPECT_EQ(wav[24] | wav[25] << 8 | wav[26] << 16, 48000);

    EXPECT_NE(ExportAudio(doc, dir.File("mix.wav"), {dir.File("missing.sf2")}).find("SoundFont"),
              std::string::npos);
}

} // namespace
} // namespace sorn
