// An exported file as a real player reads it: FluidSynth's file player must
// accept it and find exactly the song's length in ticks.

#include "ScoreBuilder.h"
#include "sound/SornMidi.h"
#include "support/TempDir.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <memory>

namespace sorn {
namespace {

using test::ScoreBuilder;
using test::TempDir;

template <auto Free> struct Deleter {
    template <typename T> void operator()(T* p) const { Free(p); }
};

TEST(SoundPlayer, FluidSynthReadsTheWholeWalk) {
    TempDir dir;
    // A quarter rest, then A |: B :| C (D.C.), with Fine on B: the walk plays
    // rest A B B C rest A B.
    ScoreBuilder s(2, MinLength, 96);
    s.Rest(0, LengthCode::Quarter);
    s.Note(1, Kind::QuarterNote, 122).Attach(1, Kind::Dynamics, DynamicsCode::ff);
    s.Bar(2, BarLineCode::RepeatStart);
    s.Note(3, Kind::HalfNote, 124).Attach(3, Kind::RepeatWord, RepeatWordCode::Fine);
    s.Bar(4, BarLineCode::RepeatEnd);
    s.Note(5, Kind::EighthNote, 126).Attach(5, Kind::RepeatWord, RepeatWordCode::DC);
    s.Note(0, Kind::WholeNote, 128, 1).Attach(0, Kind::Tie, MarkPresent, 1);
    s.Note(1, Kind::WholeNote, 128, 1);
    const std::int32_t expectedTicks = 480 + 480 + 960 + 960 + 240 + 480 + 480 + 960;
    SornMidi midi;
    ASSERT_EQ(midi.SaveToMIDI(s.doc, dir.File("walk.mid")), 1);

    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    std::unique_ptr<fluid_settings_t, Deleter<delete_fluid_settings>> settings(
        new_fluid_settings());
    // The player advances as we pull audio: no sound card needed.
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    std::unique_ptr<fluid_synth_t, Deleter<delete_fluid_synth>> synth(
        new_fluid_synth(settings.get()));
    std::unique_ptr<fluid_player_t, Deleter<delete_fluid_player>> player(
        new_fluid_player(synth.get()));
    ASSERT_EQ(fluid_is_midifile(dir.File("walk.mid").c_str()), 1);
    ASSERT_EQ(fluid_player_add(player.get(), dir.File("walk.mid").c_str()), FLUID_OK);
    ASSERT_EQ(fluid_player_play(player.get()), FLUID_OK);
    // The file is read once playback has begun.
    std::vector<float> left(4096), right(4096);
    for (int i = 0; i < 4 && fluid_player_get_total_ticks(player.get()) == 0; ++i)
        fluid_synth_write_float(synth.get(), 4096, left.data(), 0, 1, right.data(), 0, 1);
    EXPECT_EQ(fluid_player_get_total_ticks(player.get()), expectedTicks);
    EXPECT_EQ(fluid_player_get_bpm(player.get()), 96);
    EXPECT_EQ(fluid_player_get_status(player.get()), FLUID_PLAYER_PLAYING);
    fluid_player_stop(player.get());
}

} // namespace
} // namespace sorn
