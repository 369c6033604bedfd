// The score area following an audition on a scripted clock, auditions from
// the cursor and of the selection, and entered notes on a recording synth.

#include "AuditionSupport.h"
#include "app/EditorFixture.h"
#include "app/MdMain.h"
#include "app/NoteEcho.h"
#include "app/PanelBar.h"
#include "app/ScoreArea.h"
#include "dialogs/Form4.h"
#include "platform/FluidNoteSynth.h"
#include "platform/SoundThreads.h"
#include "support/TempDir.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>
#include <future>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

const QColor kPaper(Qt::white);
const QColor kMarked(255, 214, 150); // the mark's tint over white paper

// Quarter notes on every position of a score of 60, a repeat back to the
// start at the end of position 44.
struct Following : Editor {
    RecordingSequencer device;
    TempDir dir;

    Following() {
        doc().SetLength(60);
        for (std::int32_t i = 0; i < 50; ++i)
            doc().SetGData1(0, i, 0, Kind::QuarterNote, 128);
        doc().CheckGData1(0, 44, Kind::BarLine, BarLineCode::RepeatEnd);
        MdMain::RefreshAfterEdit(*form);
        form->UseSequencer(device, dir.File("Listen.mid"));
    }
    // One status notification of the window at a playing position.
    void At(std::int32_t tick) {
        device.position = tick;
        Form4::Current()->MMControl1_StatusUpdate();
    }
    // Paper colour above the staff in the column of a position.
    QColor Column(std::int32_t position) {
        const int x = kStaffLeftMargin +
                      static_cast<int>(position - form->FlatScrollBar1->value()) *
                          form->State().Layout.ColumnWidth +
                      20;
        return form->Picture2->Image().pixelColor(x, 8);
    }
    // Runs script inside the modal window once its device is open, then
    // closes it.
    void Play(QAction* item, const std::function<void()>& script) {
        QTimer::singleShot(0, form.get(), [this, script] {
            ASSERT_TRUE(WaitFor([] { return Form4::Current()->Ready(); }));
            script();
            Form4::Current()->close();
        });
        item->trigger();
    }
};

TEST(FollowMark, MovesWithTheClockTurnsPagesJumpsBackAndGoesWithTheWindow) {
    Following f;
    f.form->FlatScrollBar1->setValue(3);
    f.state().CursorColumn = 2;
    const std::int32_t visible =
        VisibleColumns(f.state().Layout, static_cast<float>(f.form->Picture2->width()));
    ASSERT_LT(visible, 40);
    std::vector<std::pair<std::int32_t, std::int32_t>> seen; // mark, first visible position
    auto at = [&](std::int32_t tick) {
        f.At(tick);
        seen.emplace_back(f.form->FollowMark(), f.form->FlatScrollBar1->value());
    };
    f.Play(f.form->mnuListenListen, [&] {
        at(0);
        at(480 * 5 + 100);
        EXPECT_EQ(f.Column(5), kMarked);
        EXPECT_EQ(f.Column(4), kPaper);
        EXPECT_EQ(f.Column(6), kPaper);
        at(480 * (visible - 1));
        at(480 * visible);                             // off the right edge: the next page
        at(480 * 45 + 480 * 3);                        // the second time round, back at position 3
        f.form->findChild<Form4*>()->Command3_Click(); // pause keeps the mark
        at(480 * 48);
        f.form->findChild<Form4*>()->Command4_Click(); // from the start
        at(0);
    });
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {
        {0, 0}, {5, 0}, {visible - 1, 0}, {visible, visible}, {3, 3}, {3, 3}, {0, 0}};
    EXPECT_EQ(seen, expected);
    // Closed: no mark, the view and the cursor where they were.
    EXPECT_EQ(f.form->FollowMark(), -1);
    EXPECT_EQ(f.form->FlatScrollBar1->value(), 3);
    EXPECT_EQ(f.state().CursorColumn, 2);
    EXPECT_EQ(f.Column(5), kPaper);
}

TEST(FollowMark, FromTheCursorAndOfTheSelection) {
    Following f;
    f.state().CursorColumn = 10;
    f.form->RedrawScore();
    const std::string listen = f.dir.File("Listen.mid");
    f.Play(f.form->mnuListenFromCursor, [&] {
        // Positions 10..44, then the repeat back to the start: 0..49.
        EXPECT_EQ(FluidSequencer::SongTicks(listen), 480 * (35 + 50));
        f.At(0);
        EXPECT_EQ(f.form->FollowMark(), 10);
        f.At(480 * 35);
        EXPECT_EQ(f.form->FollowMark(), 0);
    });
    f.form->Selected() = Selection{20, 17};
    f.device.silent = true; // said once in the status line
    f.Play(f.form->mnuListenFromCursor, [&] {
        EXPECT_EQ(FluidSequencer::SongTicks(listen), 480 * 4);
        f.At(480 * 3);
        EXPECT_EQ(f.form->FollowMark(), 20);
    });
    EXPECT_NE(f.form->StatusBar1->PanelText(2).indexOf(QStringLiteral("装置がない")), -1);
    f.form->StatusBar1->SetPanelText(2, {});
    f.Play(f.form->mnuListenFromCursor, [] {});
    EXPECT_TRUE(f.form->StatusBar1->PanelText(2).isEmpty());
}

// Opens once the test lets it, as on a sound server slow to answer; what
// it is told is recorded on the window's thread.
class RecordingSynth : public NoteSynth {
public:
    RecordingSynth(std::vector<std::string>& calls, std::shared_future<void> opens,
                   std::shared_ptr<int> alive)
        : calls_(calls), opens_(std::move(opens)), alive_(std::move(alive)) {}
    bool Start() override {
        return opens_.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    }
    void ProgramChange(std::uint8_t channel, std::uint8_t program) override {
        calls_.push_back("program " + std::to_string(channel) + " " + std::to_string(program));
    }
    void NoteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) override {
        calls_.push_back("on " + std::to_string(channel) + " " + std::to_string(note) + " " +
                         std::to_string(velocity));
    }
    void NoteOff(std::uint8_t channel, std::uint8_t note) override {
        calls_.push_back("off " + std::to_string(channel) + " " + std::to_string(note));
    }
    std::string ErrorMessage() const override { return {}; }

private:
    std::vector<std::string>& calls_;
    std::shared_future<void> opens_;
    std::shared_ptr<int> alive_;
};

// The synthesizer opens off the window's thread: the first note returns at
// once and is not heard, nor is one entered before it is ready.
TEST(EnteredNotes, SoundOnThePartsChannelAndInstrumentAtTheCalculatorsPitch) {
    Editor e;
    std::vector<std::string> calls;
    std::promise<void> open;
    auto alive = std::make_shared<int>();
    auto held = [&, opens = open.get_future().share()] {
        return std::make_unique<RecordingSynth>(calls, opens, alive);
    };
    e.form->UseNoteSynth(held);
    e.form->mnuListenEcho->setChecked(true);
    e.doc().AddPart();
    e.doc().SetInstrumentNumber(1, "40");
    MdMain::RefreshAfterEdit(*e.form);
    e.form->FlatScrollBar2->setValue(1);
    e.doc().SetGData1(1, 0, 0, Kind::KeySignature, 1); // F sharp
    e.state().CursorColumn = 1;
    e.state().CursorPitch = 130; // D5
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(e.form.get(), key, mods);
    };
    const auto before = std::chrono::steady_clock::now();
    press(Qt::Key_D);
    press(Qt::Key_Up); // E5 on the note
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
    EXPECT_EQ(e.doc().GetGAtai(1, 1, 0), 130); // the note is written meanwhile
    open.set_value();
    ASSERT_TRUE(WaitFor([&] { return e.form->Echo().Ready(); }));
    press(Qt::Key_Up);                   // F sharp 5
    press(Qt::Key_Down);                 // E5
    press(Qt::Key_D, Qt::ShiftModifier); // a rest: nothing
    press(Qt::Key_Right);
    press(Qt::Key_Up); // no note here: nothing
    EXPECT_EQ(calls, (std::vector<std::string>{"program 1 40", "on 1 78 90", "on 1 76 90"}));
    ASSERT_TRUE(WaitFor([&] { return calls.size() == 5; }, 2000));
    EXPECT_EQ(calls.back(), "off 1 76");

    calls.clear();
    e.form->mnuListenEcho->setChecked(false);
    EXPECT_FALSE(e.form->Echo().Enabled());
    EXPECT_FALSE(NoteEcho(nullptr).Enabled()); // remembered
    press(Qt::Key_D);
    EXPECT_TRUE(calls.empty());
    e.form->mnuListenEcho->setChecked(true);
    EXPECT_TRUE(NoteEcho(nullptr).Enabled());

    // The window closed while a synthesizer is opening: the opening ends on
    // its own and lets go of it.
    std::promise<void> late;
    e.form->UseNoteSynth([&, opens = late.get_future().share()] {
        return std::make_unique<RecordingSynth>(calls, opens, alive);
    });
    press(Qt::Key_D);
    e.form.reset();
    std::weak_ptr<int> gone = alive;
    alive.reset();
    late.set_value();
    WaitForSoundThreads();
    EXPECT_TRUE(gone.expired());
}

TEST(EnteredNotes, SilentWithoutASoundFontOrAnOutputAndSaysSoOnce) {
    FluidOptions none;
    none.soundFonts = {"/nonexistent/none.sf2"};
    FluidNoteSynth noFont(none);
    EXPECT_FALSE(noFont.Start());
    EXPECT_NE(noFont.ErrorMessage().find("SoundFont"), std::string::npos);
    if (!FindSoundFont(FluidOptions::DefaultSoundFonts()).empty()) {
        FluidNoteSynth noOutput(SilentOptions());
        EXPECT_FALSE(noOutput.Start());
        EXPECT_NE(noOutput.ErrorMessage().find("装置"), std::string::npos);
    }

    Editor e;
    e.form->mnuListenEcho->setChecked(true);
    e.form->UseNoteSynth([none] { return std::make_unique<FluidNoteSynth>(none); });
    QTest::keyClick(e.form.get(), Qt::Key_D);
    EXPECT_TRUE(WaitFor([&] {
        return e.form->StatusBar1->PanelText(2).indexOf(QStringLiteral("SoundFont")) != -1;
    }));
    // The next edit ends the notice, and it is not told again.
    QTest::keyClick(e.form.get(), Qt::Key_D);
    QTest::qWait(50);
    EXPECT_EQ(e.form->StatusBar1->PanelText(2).indexOf(QStringLiteral("SoundFont")), -1);
}

} // namespace
} // namespace sorn::test
