// Lyric entry on the real window: syllables typed and ended by keys, note
// after note, each one step of the history; the window's own keys stay out.

#include "app/LyricEntry.h"
#include "EditorFixture.h"
#include "app/PanelBar.h"
#include "app/ScoreArea.h"
#include "layout/ScoreLayout.h"
#include "model/SymbolCodes.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

struct Lyrics : Editor {
    LyricEntry& entry() { return form->Lyrics(); }
    QLineEdit* box() { return entry().Box(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(box(), key, mods);
    }
    // As an input method gives text: composed first, then committed.
    void Compose(const QString& text) {
        QInputMethodEvent composing(text, {});
        QCoreApplication::sendEvent(box(), &composing);
        QInputMethodEvent done;
        done.setCommitString(text);
        QCoreApplication::sendEvent(box(), &done);
    }
    std::string At(std::int32_t position, int verse = 0) {
        const Syllable& s = doc().GetSyllable(0, position, verse);
        if (s.Empty()) return "";
        static const char* kKinds[] = {"", "-", "~-", "~"};
        return s.text + kKinds[static_cast<int>(s.syllabic)] + (s.extend ? "_" : "");
    }
    int Steps() { return form->History().Stack().index(); }
    QString Status() { return form->StatusBar1->PanelText(2); }
};

TEST(LyricEntry, KeysEndSyllablesAndMoveNoteToNoteEachCommitOneStep) {
    Lyrics e;
    // Notes at 0, 1, 2, 4, 5, 6, the one at 5 held from 4 by a tie; a rest
    // at 3 and nothing after 6.
    for (int i : {0, 1, 2, 4, 5, 6})
        e.doc().SetGData1(0, i, 0, Kind::QuarterNote, 128);
    e.doc().SetGData1(0, 3, 0, Kind::Rest, LengthCode::Quarter);
    e.doc().SetGData1(0, 4, 1, Kind::Tie, MarkPresent);
    e.form->mnuEditLyrics->trigger();
    ASSERT_TRUE(e.entry().Active());
    EXPECT_EQ(e.Status(), QStringLiteral("歌詞入力 1番"));
    const int steps = e.Steps();

    // Space while the input method composes is its own; "-" ends a syllable with a hyphen.
    QInputMethodEvent composing(QStringLiteral("さ"), {});
    QCoreApplication::sendEvent(e.box(), &composing);
    e.Key(Qt::Key_Space);
    EXPECT_EQ(e.form->CursorPosition(), 0);
    QInputMethodEvent done;
    done.setCommitString(QStringLiteral("さ"));
    QCoreApplication::sendEvent(e.box(), &done);
    QTest::keyClicks(e.box(), "-");
    // The note keys type letters here, and Shift+Space a space inside the syllable.
    QTest::keyClicks(e.box(), "ku");
    e.Key(Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClicks(e.box(), "a-");
    e.Compose(QStringLiteral("ら"));
    // An input method's own space, given with nothing composed, is Space; it skips the rest.
    QInputMethodEvent space;
    space.setCommitString(QStringLiteral("\u3000"));
    QCoreApplication::sendEvent(e.box(), &space);
    EXPECT_EQ(e.form->CursorPosition(), 4);
    e.Compose(QStringLiteral("な"));
    QTest::keyClicks(e.box(), "_");
    e.Compose(QStringLiteral("い"));
    e.Key(Qt::Key_Escape);
    EXPECT_FALSE(e.entry().Active());
    EXPECT_FALSE(e.box()->isVisible());
    EXPECT_NE(e.Status(), QStringLiteral("歌詞入力 1番"));
    const std::vector<std::string> expected = {"さ-", "ku a~-", "ら~", "", "な_", ""};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(e.At(static_cast<std::int32_t>(i)), expected[i]) << i;
    EXPECT_EQ(e.doc().GetGSyurui(0, 1, 0), Kind::QuarterNote) << "a note key acted behind the box";
    EXPECT_EQ(e.Steps(), steps + 4);

    // Ctrl+Z with nothing of the box's own to take back takes back one
    // syllable. (The tied note took none: the box had gone on to 6.)
    e.form->mnuEditLyrics->trigger();
    EXPECT_EQ(e.form->CursorPosition(), 6);
    e.Key(Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(e.At(4), "");
    EXPECT_EQ(e.At(2), "ら~");
    // The box went back with the cursor to the note whose syllable went.
    EXPECT_EQ(e.form->CursorPosition(), 4);
    EXPECT_TRUE(e.box()->text().isEmpty());
    e.Key(Qt::Key_Escape);

    // Prefilled; Down to verse 2, where Enter writes and leaves; an empty box removes.
    QTest::keyClick(e.form.get(), Qt::Key_Home);
    e.form->mnuEditLyrics->trigger();
    EXPECT_EQ(e.box()->text(), QStringLiteral("さ"));
    e.Key(Qt::Key_Down);
    EXPECT_EQ(e.Status(), QStringLiteral("歌詞入力 2番"));
    EXPECT_TRUE(e.box()->text().isEmpty());
    QTest::keyClicks(e.box(), "la");
    e.Key(Qt::Key_Return);
    EXPECT_EQ(e.At(0, 1), "la");
    EXPECT_EQ(e.doc().VerseCount(0), 2);
    e.form->mnuEditLyrics->trigger();
    EXPECT_EQ(e.entry().Verse(), 1);
    e.Key(Qt::Key_Backspace);
    e.Key(Qt::Key_Space);
    EXPECT_EQ(e.At(0, 1), "");
    EXPECT_EQ(e.doc().VerseCount(0), 1);

    // A syllable holds 64 bytes: the box refuses more and says why.
    e.Key(Qt::Key_Up);
    e.Key(Qt::Key_Up);
    EXPECT_EQ(e.entry().Verse(), 0);
    QTest::keyClicks(e.box(), QString(70, QLatin1Char('x')));
    EXPECT_EQ(e.box()->text().size(), 64);
    EXPECT_TRUE(e.Status().contains(QStringLiteral("64バイト")));
    e.Compose(QStringLiteral("あ"));
    EXPECT_EQ(e.box()->text().size(), 64);
    // At the last note the syllable is written and the box stays.
    QTest::keyClick(e.box(), Qt::Key_End);
    for (int i = 0; i < 5; ++i)
        e.Key(Qt::Key_Space);
    EXPECT_EQ(e.form->CursorPosition(), 6);
    EXPECT_TRUE(e.Status().contains(QStringLiteral("音符はありません")));
    // A click elsewhere writes what was typed and takes the box there.
    e.Compose(QStringLiteral("る"));
    QTest::mouseClick(e.form->Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(120, 72));
    EXPECT_EQ(e.At(6), "る");
    EXPECT_EQ(e.form->CursorPosition(), 2);
    EXPECT_EQ(e.box()->text(), QStringLiteral("ら"));
    e.Key(Qt::Key_Escape);
}

TEST(LyricEntry, BoxStandsUnderTheNoteOnTheVerseLineInBothViewsAndZooms) {
    Lyrics e;
    e.form->mnuEditMorePart->trigger();
    e.doc().SetGData1(1, 3, 0, Kind::QuarterNote, 128);
    e.form->resize(900, 700);
    for (bool full : {false, true}) {
        for (int zoom : {100, 200}) {
            SCOPED_TRACE(zoom);
            e.form->mnuViewFullScore->setChecked(full);
            e.form->SetZoom(zoom);
            QTest::keyClick(e.form.get(), Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(e.form.get(), Qt::Key_Home);
            e.form->mnuEditLyrics->trigger();
            ASSERT_EQ(e.form->CursorPosition(), 3);
            const auto layout = e.form->ViewLayout();
            const double scale = zoom / 100.0;
            const QRect box = e.box()->geometry();
            EXPECT_NEAR(box.center().x(), layout->X(1, 3) * scale, 1.0);
            const double line = (layout->StaffOffset(1) + LyricLineTop(layout->PartStaff(1), 0));
            const int area = e.form->Picture2->height();
            EXPECT_EQ(box.top(),
                      std::min(static_cast<int>(std::lround(line * scale)), area - box.height()));
            e.Key(Qt::Key_Escape);
            QTest::keyClick(e.form.get(), Qt::Key_Up, Qt::ShiftModifier);
        }
    }
    e.form->SetZoom(100);
}

} // namespace
} // namespace sorn::test
