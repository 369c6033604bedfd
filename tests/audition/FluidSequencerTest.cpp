// The FluidSynth device on its silent real-time clock: the length known
// before playing, play / stop / prev as the window uses them, the end of the
// song, closing, and the SoundFont that is not there.

#include "AuditionSupport.h"
#include "sound/SornMidi.h"
#include "support/TempDir.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <thread>

namespace sorn::test {
namespace {

std::string Write(ScoreBuilder& s, const TempDir& dir, const std::string& name = "Listen.mid") {
    SornMidi midi;
    EXPECT_EQ(midi.SaveToMIDI(s.doc, dir.File(name)), 1) << midi.Error().Message();
    return dir.File(name);
}

// What FluidSynth's own player reports once it has begun to play the file.
int PlayersTotalTicks(const std::string& path) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, path.c_str());
    fluid_player_play(player);
    std::vector<float> left(1024), right(1024);
    for (int i = 0; i < 8 && fluid_player_get_total_ticks(player) == 0; ++i)
        fluid_synth_write_float(synth, 1024, left.data(), 0, 1, right.data(), 0, 1);
    const int ticks = fluid_player_get_total_ticks(player);
    fluid_player_stop(player);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return ticks;
}

// The length is read from the file before anything plays, and it is what
// the player finds once it plays: the longest part, rests at the end included.
TEST(SongLength, KnownBeforePlayingAndAgreesWithThePlayer) {
    TempDir dir;
    ScoreBuilder s = Quarters(6, 120, 2);
    s.Rest(6, LengthCode::Whole, 1); // part 2 is a whole note longer
    const std::string file = Write(s, dir);
    const std::int32_t expected = 6 * 480 + 4 * 480;

    FluidSequencer device(SilentOptions());
    device.SetFileName(file);
    device.Open();
    EXPECT_TRUE(device.CanPlay());
    EXPECT_EQ(device.ErrorMessage(), "");
    EXPECT_EQ(device.Length(), expected);
    EXPECT_EQ(device.Position(), 0);
    EXPECT_EQ(device.OutputName(), "silent");
    EXPECT_EQ(PlayersTotalTicks(file), expected);
}

// An empty song has length 0; files the player would refuse cannot play,
// and say nothing.
TEST(SongLength, EmptyBrokenAndMissingFilesCannotPlay) {
    TempDir dir;
    ScoreBuilder empty(1);
    const std::string emptyFile = Write(empty, dir, "empty.mid");
    EXPECT_EQ(FluidSequencer::SongTicks(emptyFile), 0);

    ScoreBuilder s = Quarters(4);
    auto bytes = ReadBytes(Write(s, dir, "whole.mid"));
    ASSERT_EQ(FluidSequencer::SongTicks(dir.File("whole.mid")), 4 * 480);
    bytes.resize(bytes.size() - 3); // the end-of-track event cut off
    WriteBytes(dir.File("cut.mid"), bytes);
    WriteBytes(dir.File("text.mid"), {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(FluidSequencer::SongTicks(dir.File("cut.mid")), std::nullopt);
    EXPECT_EQ(FluidSequencer::SongTicks(dir.File("text.mid")), std::nullopt);
    EXPECT_EQ(FluidSequencer::SongTicks(dir.File("none.mid")), std::nullopt);

    FluidSequencer device(SilentOptions());
    device.SetFileName(dir.File("cut.mid"));
    device.Open();
    EXPECT_FALSE(device.CanPlay());
    EXPECT_EQ(device.Length(), 0);
    EXPECT_EQ(device.ErrorMessage(), "");
}

// Play advances in real time without a sound card; Stop keeps the
// position and Play goes on from it; Prev is at 0 at once and Play starts
// over from there.
TEST(SequencerPlayback, PlayStopContinueAndPrev) {
    TempDir dir;
    ScoreBuilder s = Quarters(40, 240); // 1920 ticks a second
    FluidSequencer device(SilentOptions());
    device.SetFileName(Write(s, dir));
    device.Open();
    ASSERT_TRUE(device.CanPlay());

    device.Play();
    ASSERT_TRUE(WaitFor([&] { return device.Position() > 200; }));
    device.Stop();
    const std::int32_t paused = device.Position();
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ(device.Position(), paused);

    device.Play();
    std::int32_t later = 0;
    ASSERT_TRUE(WaitFor([&] { return (later = device.Position()) > paused + 600; }));
    device.Prev();
    EXPECT_EQ(device.Position(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(device.Position(), 0); // Prev leaves it stopped

    device.Play();
    std::int32_t restarted = 0;
    ASSERT_TRUE(WaitFor([&] { return (restarted = device.Position()) > 0; }));
    EXPECT_LT(restarted, later);
}

// At the end the position is the length and Play stays there; Prev makes
// the song playable again.
TEST(SequencerPlayback, EndOfSongThenPrev) {
    TempDir dir;
    ScoreBuilder s = Quarters(1, 480); // a quarter note of 1/8 s
    FluidSequencer device(SilentOptions());
    device.SetFileName(Write(s, dir));
    device.Open();
    ASSERT_EQ(device.Length(), 480);

    device.Play();
    ASSERT_TRUE(WaitFor([&] { return device.Position() == 480; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    device.Play();
    EXPECT_EQ(device.Position(), 480);

    device.Prev();
    EXPECT_EQ(device.Position(), 0);
    device.Play();
    ASSERT_TRUE(WaitFor([&] { return device.Position() > 0; }));
    ASSERT_TRUE(WaitFor([&] { return device.Position() == 480; }));
}

// Close lets go of everything (AddressSanitizer sees the rest); the device
// then answers like one with nothing open, and opens again.
TEST(SequencerPlayback, CloseWhilePlayingSilencesAndFrees) {
    TempDir dir;
    ScoreBuilder s = Quarters(40);
    FluidSequencer device(SilentOptions());
    device.SetFileName(Write(s, dir));
    device.Open();
    device.Play();
    ASSERT_TRUE(WaitFor([&] { return device.Position() > 0; }));
    device.Close();
    EXPECT_FALSE(device.CanPlay());
    EXPECT_EQ(device.Length(), 0);
    EXPECT_EQ(device.Position(), 0);
    EXPECT_EQ(device.OutputName(), "");
    device.Play();
    device.Stop();
    device.Prev();
    device.Close();

    device.Open();
    EXPECT_EQ(device.Length(), 40 * 480);
}

// A SoundFont that does not load is named (a missing one: see the command).
TEST(SequencerSoundFont, BrokenOneIsNamed) {
    TempDir dir;
    ScoreBuilder s = Quarters(4);
    WriteBytes(dir.File("broken.sf2"), {'R', 'I', 'F', 'F', 0, 0, 0, 0});
    FluidOptions options = SilentOptions();
    options.soundFonts = {dir.File("gone.sf2"), dir.File("broken.sf2")};
    FluidSequencer device(options);
    device.SetFileName(Write(s, dir));
    device.Open();
    EXPECT_FALSE(device.CanPlay());
    EXPECT_NE(device.ErrorMessage().find(dir.File("broken.sf2")), std::string::npos);
}

} // namespace
} // namespace sorn::test
