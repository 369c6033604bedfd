// The command from export to window: what is written, when the window is
// shown at all, what the user is told, and that closing silences the device.

#include "app/Audition.h"
#include "AuditionSupport.h"
#include "dialogs/Form4.h"
#include "platform/DataFolder.h"
#include "platform/SoundThreads.h"
#include "sound/SornMidi.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

#include "platform/DataFolder.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace sorn::test {
namespace {

// Runs while the modal window is open, then leaves it with "試聴終了".
struct WhileOpen {
    std::function<void(Form4&)> check = [](Form4&) {};
    bool seen = false;

    void Arm() {
        QTimer::singleShot(0, [this] {
            Form4* form = Form4::Current();
            if (!form) return;
            seen = form->isVisible() && form->isModal();
            ASSERT_TRUE(WaitFor([form] { return form->Ready(); }));
            check(*form);
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        });
    }
};

std::vector<std::uint8_t> Exported(ScoreBuilder& s, const TempDir& dir) {
    SornMidi midi;
    EXPECT_EQ(midi.SaveToMIDI(s.doc, dir.File("fresh.mid")), 1);
    return ReadBytes(dir.File("fresh.mid"));
}

// The window opens stopped at the start, with the strip scaled to the song;
// "再生" makes the strip fill; "試聴終了" closes the device.
TEST(AuditionCommand, ShowsTheSongAndSilencesOnClose) {
    TempDir dir;
    ScoreBuilder s = Quarters(20, 240);
    ScriptedMessageBoxes boxes;
    FluidSequencer device(SilentOptions());
    WhileOpen open;
    open.check = [&](Form4& form) {
        EXPECT_EQ(device.Length(), 20 * 480);
        EXPECT_EQ(device.Position(), 0);
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return device.Position() > 480; }));
        QTest::qWait(2 * Form4::StatusInterval);
        const QImage& strip = form.Picture1->Image();
        EXPECT_LT(qGray(strip.pixel(strip.width() / 40, 0)), 96); // filled past a note
        EXPECT_GT(qGray(strip.pixel(strip.width() - 2, 0)), 96);  // not yet at the end
    };
    open.Arm();
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), device, boxes),
              AuditionResult::Shown);
    EXPECT_TRUE(open.seen);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(device.CanPlay());
    EXPECT_EQ(device.OutputName(), ""); // nothing renders any more
}

// A song of length 0 shows no window and no message, and starts no device.
TEST(AuditionCommand, EmptySongShowsNoWindow) {
    TempDir dir;
    ScoreBuilder s(2);
    ScriptedMessageBoxes boxes;
    RecordingSequencer recorded;
    recorded.length = 0;
    WhileOpen open;
    open.Arm();
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), recorded, boxes),
              AuditionResult::NotPlayable);
    EXPECT_TRUE(recorded.calls.empty());
    QTest::qWait(10);
    EXPECT_FALSE(open.seen);
    EXPECT_TRUE(boxes.shown.empty());
}

// Failures the user can mend are told; neither opens the window.
TEST(AuditionCommand, ExportFailureAndMissingSoundFontAreTold) {
    TempDir dir;
    ScoreBuilder s = Quarters(4);
    s.doc.SetSpeed(0);
    ScriptedMessageBoxes boxes;
    RecordingSequencer recorded;
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), recorded, boxes),
              AuditionResult::ExportFailed);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text.rfind("1001", 0), 0u); // the export's number and text
    EXPECT_TRUE(recorded.calls.empty());

    s.doc.SetSpeed(120);
    FluidOptions none = SilentOptions();
    none.soundFonts = {dir.File("gone.sf2")};
    FluidSequencer device(none);
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), device, boxes),
              AuditionResult::NotPlayable);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[1].text.find("SORN_SOUNDFONT"), std::string::npos);
    EXPECT_NE(boxes.shown[1].text.find(dir.File("gone.sf2")), std::string::npos);
    EXPECT_EQ(boxes.shown[1].icon, MsgIcon::Warning);
}

// The second audition rewrites the file whole: a shorter song leaves no
// tail of the longer one.
TEST(AuditionCommand, AuditioningTwiceOverwritesListenMid) {
    TempDir dir;
    ScriptedMessageBoxes boxes;
    ScoreBuilder longer = Quarters(60, 120, 3);
    ScoreBuilder shorter = Quarters(2);
    RecordingSequencer device;
    WhileOpen open;
    open.Arm();
    Audition(nullptr, longer.doc, dir.File("Listen.mid"), device, boxes);
    EXPECT_EQ(ReadBytes(dir.File("Listen.mid")), Exported(longer, dir));
    open.Arm();
    Audition(nullptr, shorter.doc, dir.File("Listen.mid"), device, boxes);
    EXPECT_EQ(ReadBytes(dir.File("Listen.mid")), Exported(shorter, dir));
}

// The menu command writes this editor's own Listen scratch file, private
// to the user, and it goes when the editor closes.
TEST(AuditionCommand, MenuCommandWritesItsOwnScratchFile) {
    TempDir dir;
    ScoreBuilder s(1); // empty: no window, no sound device touched
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(RunAudition(nullptr, s.doc, boxes), AuditionResult::NotPlayable);
    const std::string listen = ScratchFile("Listen.mid");
    EXPECT_NE(listen.find("/Listen-" + std::to_string(::getpid()) + ".mid"), std::string::npos);
    EXPECT_EQ(ReadBytes(listen), Exported(s, dir));
    EXPECT_EQ(std::filesystem::status(listen).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_TRUE(boxes.shown.empty());
    RemoveScratchFiles();
    EXPECT_FALSE(std::filesystem::exists(listen));
}

// Quitting while the window is open: CloseAudition closes it and the
// device, and the command returns as usual.
TEST(AuditionCommand, CloseAuditionFromOutside) {
    TempDir dir;
    ScoreBuilder s = Quarters(20);
    ScriptedMessageBoxes boxes;
    FluidSequencer device(SilentOptions());
    bool closedPlaying = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(WaitFor([] { return Form4::Current()->Ready(); }));
        Form4::Current()->Command2->click();
        closedPlaying = WaitFor([&] { return device.Position() > 0; });
        CloseAudition();
    });
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), device, boxes),
              AuditionResult::Shown);
    EXPECT_TRUE(closedPlaying);
    EXPECT_FALSE(device.CanPlay());
    EXPECT_EQ(Form4::Current(), nullptr);
    CloseAudition(); // nothing open: nothing happens
}

// The device starts behind the open window, which says so, keeps a play
// asked for meanwhile and plays once ready. Closed before that, the command
// returns at once and the device is closed and let go of when its opening
// ends.
TEST(AuditionCommand, DeviceStartsBehindTheOpenWindow) {
    TempDir dir;
    ScoreBuilder s = Quarters(20, 240);
    ScriptedMessageBoxes boxes;
    auto device = std::make_shared<HeldSequencer>();
    QTimer::singleShot(0, [&] {
        Form4* form = Form4::Current();
        EXPECT_FALSE(form->Ready());
        EXPECT_EQ(form->windowTitle(), QStringLiteral("試聴（準備中…）"));
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        device->Release();
        ASSERT_TRUE(WaitFor([&] { return form->Ready(); }));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("試聴"));
        EXPECT_TRUE(WaitFor([&] { return device->Position() > 480; }));
        form->close();
    });
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), device, boxes),
              AuditionResult::Shown);
    EXPECT_FALSE(device->CanPlay());

    auto stalled = std::make_shared<HeldSequencer>();
    HeldSequencer& held = *stalled;
    const std::weak_ptr<HeldSequencer> gone = stalled;
    QTimer::singleShot(0, [] { Form4::Current()->close(); });
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(Audition(nullptr, s.doc, dir.File("Listen.mid"), std::move(stalled), boxes),
              AuditionResult::Shown);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
    held.Release();
    WaitForSoundThreads();
    EXPECT_TRUE(gone.expired());
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace sorn::test
