// Undo and redo over every kind of edit, the modified mark that follows the
// history, the selection and the clipboard, on the real window.

#include "EditorFixture.h"
#include "app/Clipboard.h"
#include "app/LyricEntry.h"
#include "app/MdMain.h"
#include "app/PanelBar.h"
#include "app/ScoreArea.h"
#include "dialogs/DialogTest.h"
#include "dialogs/PartEdit.h"
#include "dialogs/frmKyokuProp.h"
#include "dialogs/frmOnpu.h"
#include "model/SymbolCodes.h"
#include "support/TempDir.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <random>

namespace sorn::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Session : Editor {
    TempDir dir;
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(form.get(), key, mods);
    }
    // The score exactly as Save writes it.
    Bytes Saved() {
        const std::string path = dir.File("snapshot.sorn");
        EXPECT_FALSE(doc().FileSave(path));
        return ReadBytes(path);
    }
    int Steps() { return form->History().Stack().index(); }
    // Shortcuts go to the active window.
    void Activate() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    std::string Slots(std::uint8_t part, std::int32_t i) {
        std::string out;
        for (int s = 0; s < SlotCount; ++s)
            out += std::to_string(doc().GetGSyurui(part, i, s)) + ",";
        return out;
    }
};

// One user action chosen at random: keys, menu commands, dialog OKs,
// selections and the clipboard. Moves of the cursor are actions too: they
// must leave the score and the history alone.
void RandomAction(Session& s, std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Form1& f = *s.form;
    static const Qt::Key kEditKeys[] = {Qt::Key_A,     Qt::Key_D, Qt::Key_F, Qt::Key_J,
                                        Qt::Key_Space, Qt::Key_W, Qt::Key_R, Qt::Key_Z,
                                        Qt::Key_1,     Qt::Key_3, Qt::Key_4, Qt::Key_9};
    switch (pick(17)) {
    case 0:
    case 1:
        s.Press(kEditKeys[pick(12)], pick(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    case 2:
        for (int i = pick(6); i >= 0; --i)
            s.Press(pick(3) == 0 ? Qt::Key_Left : Qt::Key_Right);
        s.Press(pick(2) ? Qt::Key_Up : Qt::Key_Down,
                pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    case 3:
        s.Press(Qt::Key_Delete);
        break;
    case 4:
        (pick(2) ? f.mnuEditInsertspace : f.mnuEditDeletespace)->trigger();
        break;
    case 5: {
        QAction* lengths[] = {f.mnuEditLonger10, f.mnuEditLonger50, f.mnuEditShorter10,
                              f.mnuEditShorter20};
        lengths[pick(4)]->trigger();
        break;
    }
    case 6:
        (pick(2) ? f.mnuEditMorePart : f.mnuEditLessPart)->trigger();
        break;
    case 7: {
        const int length = pick(7);
        WhenModal<frmOnpu>([length](frmOnpu& d) {
            d.Option2->button(frmOnpu::kNote)->click();
            d.Option1->button(length)->click();
            d.Check1->click();
            d.Command1->click();
        });
        f.mnuEditOnpu->trigger();
        break;
    }
    case 8: {
        const int tempo = 40 + pick(100);
        const int field = pick(ScoreTextCount);
        const QString text = pick(3) ? QStringLiteral("曲%1").arg(pick(10)) : QString();
        WhenModal<frmKyokuProp>([tempo, field, text](frmKyokuProp& d) {
            d.Text1->setText(QString::number(tempo));
            d.Command6->click();
            d.WordsText[static_cast<std::size_t>(field)]->setText(text);
            d.Command1->click();
        });
        f.mnuEditMusicProp->trigger();
        break;
    }
    case 9: {
        const int instrument = pick(128);
        const QString name = pick(2) ? QStringLiteral("パート%1").arg(pick(10)) : QString();
        WhenModal<PartEdit>([instrument, name](PartEdit& d) {
            d.Combo1->setCurrentIndex(instrument);
            (name.size() % 2 ? d.Text1 : d.Text2)->setText(name);
            d.Command1->click();
        });
        f.mnuEditStatus->trigger();
        break;
    }
    case 10:
    case 11:
        for (int i = pick(5); i >= 0; --i)
            s.Press(pick(4) == 0 ? Qt::Key_Left : Qt::Key_Right, Qt::ShiftModifier);
        (pick(3) == 0 ? f.mnuEditCut : f.mnuEditCopy)->trigger();
        break;
    case 12:
    case 13:
        (pick(2) ? f.mnuEditPaste : f.mnuEditPasteInsert)->trigger();
        break;
    case 14:
        s.Press(Qt::Key_Right, Qt::ShiftModifier);
        s.Press(Qt::Key_Delete);
        break;
    case 16: {
        // One syllable at most, typed or composed, in the verse the entry stands on.
        f.mnuEditLyrics->trigger();
        QLineEdit* box = f.Lyrics().Box();
        if (pick(3) == 0) {
            QInputMethodEvent ime;
            ime.setCommitString(QStringLiteral("か"));
            QCoreApplication::sendEvent(box, &ime);
        } else {
            QTest::keyClicks(box, pick(2) ? QStringLiteral("la") : QString());
        }
        static const char* kEnds[] = {" ", "-", "_", "\r", "\x1b", "down"};
        const std::string end = kEnds[pick(6)];
        if (end == "down")
            QTest::keyClick(box, Qt::Key_Down);
        else if (end == "\r" || end == "\x1b")
            QTest::keyClick(box, end == "\r" ? Qt::Key_Return : Qt::Key_Escape);
        else
            QTest::keyClicks(box, QString::fromStdString(end));
        if (f.Lyrics().Active()) QTest::keyClick(box, Qt::Key_Escape);
        break;
    }
    default:
        f.mnuEditSelectAll->trigger();
        if (pick(2)) s.Press(Qt::Key_Delete);
        break;
    }
}

void UndoPassesThroughEveryStateAndRedoReturns(Session& s, unsigned seed, int actions) {
    std::mt19937 rng(seed);
    const std::int64_t strayBefore = s.form->History().StrayChanges();
    const std::int64_t countBefore = s.doc().ChangeCount() - s.form->History().RecordedChanges();
    const int firstStep = s.Steps();
    std::vector<Bytes> states{s.Saved()};
    for (int a = 0; a < actions; ++a) {
        const int before = s.Steps();
        RandomAction(s, rng);
        const Bytes now = s.Saved();
        if (s.Steps() == before)
            ASSERT_EQ(now, states.back()) << "a change outside the history, action " << a;
        else
            states.push_back(now);
    }
    // Every change the document made was reported inside a step.
    EXPECT_EQ(s.form->History().StrayChanges(), strayBefore);
    EXPECT_EQ(s.doc().ChangeCount() - s.form->History().RecordedChanges(), countBefore);
    ASSERT_EQ(static_cast<std::size_t>(s.Steps() - firstStep), states.size() - 1);

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        s.form->mnuEditUndo->trigger();
        ASSERT_EQ(s.Saved(), states[i - 1]) << "undoing step " << i;
    }
    EXPECT_EQ(s.Steps(), firstStep);
    while (s.form->mnuEditRedo->isEnabled())
        s.form->mnuEditRedo->trigger();
    EXPECT_EQ(s.Saved(), states.back());
}

TEST(EditHistory, RandomEditsUndoThroughEveryStateAndRedoToTheLast) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        Session s;
        UndoPassesThroughEveryStateAndRedoReturns(s, seed, 50);
    }
    // A 16-part score of varied parts, entered through the history too.
    Session s;
    for (int p = 1; p < 16; ++p)
        s.form->mnuEditMorePart->trigger();
    s.form->mnuEditLonger100->trigger();
    std::mt19937 fill(99);
    for (int p = 0; p < 16; ++p) {
        for (int i = 0; i < 8; ++i)
            RandomAction(s, fill);
        s.Press(Qt::Key_Down, Qt::ShiftModifier);
    }
    UndoPassesThroughEveryStateAndRedoReturns(s, 16, 50);
}

// The window's title names the score and carries the mark.
TEST(EditHistory, ModifiedMarkFollowsSaveUndoRedoAndNewOpenStartAfresh) {
    Session s;
    const auto title = [&s] { return s.form->windowTitle().toStdString(); };
    EXPECT_EQ(title(), "無題 — SORN楽譜エディタ");
    s.Press(Qt::Key_D);
    s.Press(Qt::Key_Right);
    s.Press(Qt::Key_F);
    EXPECT_TRUE(s.state().ScoreModified);
    EXPECT_EQ(title(), "無題* — SORN楽譜エディタ");
    EXPECT_EQ(s.form->mnuEditUndo->text(), QStringLiteral("元に戻す(&U): 音符の入力"));
    s.form->mnuEditInsertspace->trigger();
    EXPECT_EQ(s.form->mnuEditUndo->text(), QStringLiteral("元に戻す(&U): スペースの挿入"));

    // Saved after two steps: undoing and redoing back to it clears the mark.
    s.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.form->mnuEditRedo->text(), QStringLiteral("やり直し(&R): スペースの挿入"));
    const std::string path = s.dir.File("a.sorn");
    s.dialogs.answers = {path};
    s.form->mnuFileSave->trigger();
    EXPECT_FALSE(s.state().ScoreModified);
    EXPECT_EQ(title(), "a.sorn — SORN楽譜エディタ");
    s.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(s.state().ScoreModified);
    EXPECT_EQ(title(), "a.sorn* — SORN楽譜エディタ");
    EXPECT_EQ(s.doc().GetGSyurui(0, 1, 0), 0);
    s.Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(s.state().ScoreModified);
    EXPECT_EQ(title(), "a.sorn — SORN楽譜エディタ");
    s.Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(s.state().ScoreModified);
    EXPECT_EQ(s.doc().Length(), 31);
    s.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(s.state().ScoreModified);

    // A refused command changes nothing but is a step that marks the score.
    s.form->mnuEditLessPart->trigger();
    EXPECT_TRUE(s.state().ScoreModified);
    EXPECT_EQ(s.form->mnuEditUndo->text(), QStringLiteral("元に戻す(&U): 現在のパートを削除"));
    s.form->mnuEditUndo->trigger();
    EXPECT_FALSE(s.state().ScoreModified);
    // A new step after undoing past the saved state leaves it unreachable.
    s.form->mnuEditUndo->trigger();
    s.Press(Qt::Key_A);
    s.form->mnuEditUndo->trigger();
    EXPECT_TRUE(s.state().ScoreModified);

    // Open and New forget the history and leave the score unmarked.
    s.boxes.answers = {MsgResult::No};
    s.form->mnuEditMorePart->trigger();
    EXPECT_TRUE(s.form->mnuEditUndo->isEnabled());
    ASSERT_EQ(MdMain::Open(*s.form, path), MdMain::kDone);
    EXPECT_FALSE(s.form->mnuEditUndo->isEnabled());
    EXPECT_FALSE(s.form->mnuEditRedo->isEnabled());
    EXPECT_FALSE(s.state().ScoreModified);
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    s.Press(Qt::Key_G);
    EXPECT_EQ(title(), "a.sorn* — SORN楽譜エディタ");
    s.boxes.answers = {MsgResult::No};
    s.form->mnuFileNew->trigger();
    EXPECT_FALSE(s.form->mnuEditUndo->isEnabled());
    EXPECT_FALSE(s.form->Selected().Active());
    EXPECT_FALSE(s.state().ScoreModified);
    // A new score is untitled: nothing of the last file is offered for it.
    EXPECT_EQ(title(), "無題 — SORN楽譜エディタ");
    EXPECT_EQ(s.doc().SornFileName(), "");
    // A title of its own names the score, on one line.
    s.doc().SetText(ScoreText::Title, "きらきら\n星");
    s.form->RedrawScore();
    EXPECT_EQ(title(), "きらきら 星 — SORN楽譜エディタ");

    // A tempo of 0 becomes 60 as the song dialog opens, even when it is
    // cancelled: the score then differs from its file, so it is marked and
    // the repair can be taken back.
    s.doc().SetSpeed(0);
    s.form->ForgetHistory();
    WhenModal<frmKyokuProp>([](frmKyokuProp& d) { d.Command2->click(); });
    s.form->ShowSongDialog();
    EXPECT_EQ(s.doc().Speed(), 60);
    EXPECT_TRUE(s.state().ScoreModified);
    s.form->mnuEditUndo->trigger();
    EXPECT_EQ(s.doc().Speed(), 0);
    EXPECT_FALSE(s.state().ScoreModified);
}

std::vector<PositionRecord> Notes(int n, std::uint8_t firstPitch) {
    std::vector<PositionRecord> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        out[static_cast<std::size_t>(i)].Syurui[0] = Kind::QuarterNote;
        out[static_cast<std::size_t>(i)].Atai[0] = static_cast<std::uint8_t>(firstPitch + i);
    }
    return out;
}

TEST(Clipboard, PasteAtTheEndAtTheLimitAndAcrossTheWindowEdge) {
    Session s;
    Form1& f = *s.form;
    // Across the window edge: the cursor walks to the last visible column and
    // the view scrolls; the passage copied spans both sides of the edge.
    s.form->mnuEditLonger50->trigger();
    for (int i = 0; i <= 80; ++i)
        s.doc().SetGData1(0, i, 0, Kind::QuarterNote, static_cast<std::uint8_t>(100 + i));
    for (int i = 0; i < 13; ++i)
        s.Press(Qt::Key_Right);
    const std::int32_t from = f.CursorPosition();
    for (int i = 0; i < 5; ++i)
        s.Press(Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_GT(f.FlatScrollBar1->value(), 0) << "the selection should have scrolled the view";
    f.mnuEditCopy->trigger();
    EXPECT_EQ(Clipboard::Take()->size(), 6u);
    EXPECT_EQ(Clipboard::Take()->front().Atai[0], 100 + from);

    // At the end of the score: what does not fit is dropped and counted.
    f.FlatScrollBar1->setValue(f.FlatScrollBar1->maximum());
    s.Press(Qt::Key_Left);
    ASSERT_EQ(f.CursorPosition(), 79);
    f.mnuEditPaste->trigger();
    EXPECT_EQ(s.doc().Length(), 80);
    EXPECT_EQ(s.doc().GetGAtai(0, 80, 0), 101 + from);
    EXPECT_TRUE(f.StatusBar1->PanelText(2).contains(QStringLiteral("4 個")));
    // Inserting at the last position lengthens the score by the passage.
    s.Press(Qt::Key_Right);
    f.mnuEditPasteInsert->trigger();
    EXPECT_EQ(s.doc().Length(), 86);
    EXPECT_EQ(s.doc().GetGAtai(0, 80, 0), 100 + from);
    EXPECT_EQ(s.doc().GetGAtai(0, 86, 0), 101 + from);
    EXPECT_EQ(s.doc().GetGSyurui(0, 86, 1), 0);
    // The notice was about the earlier paste; this edit ends it.
    EXPECT_FALSE(f.StatusBar1->PanelText(2).contains(QStringLiteral("貼り付けません")));

    // At 32767 the insertion stops at the limit and says how many it left out.
    s.doc().SetLength(MaxLength - 2);
    Clipboard::Put(Notes(5, 60));
    f.FlatScrollBar1->setValue(100);
    f.mnuEditPasteInsert->trigger();
    EXPECT_EQ(s.doc().Length(), MaxLength);
    EXPECT_EQ(s.doc().GetGAtai(0, f.CursorPosition() + 1, 0), 61);
    EXPECT_EQ(s.doc().GetGSyurui(0, f.CursorPosition() + 2, 0), 0);
    EXPECT_TRUE(f.StatusBar1->PanelText(2).contains(QStringLiteral("3 個")));
    f.mnuEditPasteInsert->trigger();
    EXPECT_EQ(s.doc().Length(), MaxLength);
    EXPECT_TRUE(f.StatusBar1->PanelText(2).contains(QStringLiteral("貼り付けません")));
    f.mnuEditUndo->trigger();
    EXPECT_EQ(s.doc().Length(), MaxLength - 2);
    EXPECT_FALSE(f.StatusBar1->PanelText(2).contains(QStringLiteral("貼り付けません")));
}

TEST(Clipboard, TwoEditorsShareTheSystemClipboardAndForeignTextIsRefused) {
    Session a;
    Session b;
    a.Activate();
    a.form->mnuEditMorePart->trigger();
    a.Press(Qt::Key_D);
    a.Press(Qt::Key_R);
    a.Press(Qt::Key_Right);
    a.Press(Qt::Key_G, Qt::ShiftModifier);
    a.Press(Qt::Key_Left, Qt::ShiftModifier);
    a.Press(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QString::fromLatin1(Clipboard::kMimeType)));
    EXPECT_EQ(data->text(), QStringLiteral("SORN楽譜エディタ 2 位置\n3:128 11:1\n9:5\n"));
    // Pasted in another part of the same editor.
    a.Press(Qt::Key_Down, Qt::ShiftModifier);
    a.Press(Qt::Key_Right);
    a.Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(a.Slots(1, 1), a.Slots(0, 0));
    EXPECT_EQ(a.Slots(1, 2), a.Slots(0, 1));

    // In the other editor, inserted: the rest of the part moves right.
    b.Activate();
    b.Press(Qt::Key_A);
    b.Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(b.doc().Length(), 32);
    EXPECT_EQ(b.Slots(0, 0), a.Slots(0, 0));
    EXPECT_EQ(b.Slots(0, 1), a.Slots(0, 1));
    EXPECT_EQ(b.doc().GetGSyurui(0, 2, 0), Kind::WholeNote);

    // Text that is not ours changes nothing and says so.
    QGuiApplication::clipboard()->setText(QStringLiteral("3:128 11:1"));
    const Bytes before = b.Saved();
    const int steps = b.Steps();
    b.Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b.Saved(), before);
    EXPECT_EQ(b.Steps(), steps);
    EXPECT_EQ(b.form->StatusBar1->PanelText(2),
              QStringLiteral("クリップボードに貼り付けられる楽譜がありません"));
    // Nor do our bytes cut short.
    auto broken = std::make_unique<QMimeData>();
    broken->setData(QString::fromLatin1(Clipboard::kMimeType),
                    Clipboard::Encode(Notes(3, 60)).chopped(1));
    QGuiApplication::clipboard()->setMimeData(broken.release());
    b.Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b.Saved(), before);
}

// Copy, cut and paste carry every verse's syllables with their positions;
// a passage from an editor that knows no words leaves those in the score.
TEST(Clipboard, SyllablesGoWithTheirPositions) {
    Session s;
    Form1& f = *s.form;
    const Syllable sa{"さ", Syllabic::Begin}, ku{"く", Syllabic::End, true}, la{"la"};
    auto put = [&](std::int32_t i, int verse, const Syllable& syllable) {
        const auto step = EditHistory::Step(f.History(), {}, s.state().ScoreModified, {});
        s.doc().SetSyllable(0, i, verse, syllable);
    };
    put(1, 0, sa);
    put(2, 0, ku);
    put(2, 2, la);
    put(6, 1, la);
    s.Press(Qt::Key_Right);
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    f.mnuEditCopy->trigger();
    for (int i = 0; i < 3; ++i)
        s.Press(Qt::Key_Right);
    ASSERT_EQ(f.CursorPosition(), 5);
    f.mnuEditPaste->trigger();
    auto verses = [&](std::int32_t i) {
        std::string out;
        for (int v = 0; v < MaxVerses; ++v)
            out += s.doc().GetSyllable(0, i, v).text + "|";
        return out;
    };
    EXPECT_EQ(verses(5), "さ|||||");
    EXPECT_EQ(verses(6), "く||la|||") << "the syllable under the passage stays";
    EXPECT_EQ(s.doc().GetSyllable(0, 6, 0), ku);
    s.Press(Qt::Key_Home);
    f.mnuEditPasteInsert->trigger();
    EXPECT_EQ(verses(0) + verses(1) + verses(3) + verses(8), "さ|||||く||la|||さ|||||く||la|||");
    // Cut takes them away with the notes, and one undo brings all back.
    const Bytes before = s.Saved();
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    f.mnuEditCut->trigger();
    EXPECT_EQ(verses(0) + verses(1), "||||||||||");
    f.mnuEditUndo->trigger();
    EXPECT_EQ(s.Saved(), before);

    // Positions alone, as an older editor copies them: the syllables stay.
    auto positions = std::make_unique<QMimeData>();
    positions->setData(QString::fromLatin1(Clipboard::kMimeType), Clipboard::Encode(Notes(2, 60)));
    QGuiApplication::clipboard()->setMimeData(positions.release());
    s.Press(Qt::Key_Home);
    f.mnuEditPaste->trigger();
    EXPECT_EQ(s.doc().GetGAtai(0, 1, 0), 61);
    EXPECT_EQ(verses(0) + verses(1), "さ|||||く||la|||");

    // The words' bytes: exactly what was written, for that many positions.
    using Clipboard::CopiedSyllable;
    const std::vector<CopiedSyllable> words = {{0, 0, sa}, {1, 0, ku}, {1, 2, la}};
    const QByteArray bytes = Clipboard::EncodeWords(2, words);
    EXPECT_EQ(Clipboard::DecodeWords(bytes, 2), words);
    const std::pair<const char*, QByteArray> refused[] = {
        {"other positions", bytes},
        {"cut short", bytes.chopped(1)},
        {"longer", bytes + 'x'},
        {"out of order", Clipboard::EncodeWords(2, {{{1, 0, ku}, {0, 0, sa}}})},
        {"twice", Clipboard::EncodeWords(2, {{{0, 0, sa}, {0, 0, ku}}})},
        {"verse 6", Clipboard::EncodeWords(2, {{{0, MaxVerses, sa}}})},
        {"past the passage", Clipboard::EncodeWords(2, {{{2, 0, sa}}})},
        {"empty", Clipboard::EncodeWords(2, {{{0, 0, Syllable{}}}})},
        {"65 bytes", Clipboard::EncodeWords(2, {{{0, 0, Syllable{std::string(65, 'x')}}}})},
        {"not UTF-8", Clipboard::EncodeWords(2, {{{0, 0, Syllable{"\xff"}}}})},
    };
    for (const auto& [why, data] : refused)
        EXPECT_FALSE(Clipboard::DecodeWords(data, why == std::string("other positions") ? 3 : 2))
            << why;
}

TEST(Selection, KeysDragAndSelectAllThenDeleteAndCutAreOneStep) {
    Session s;
    Form1& f = *s.form;
    for (int i = 0; i <= 30; ++i)
        s.doc().SetGData1(0, i, 0, Kind::HalfNote, static_cast<std::uint8_t>(100 + i));
    s.Press(Qt::Key_Right);
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(f.CursorPosition(), 3);
    EXPECT_EQ(f.Selected().First(), 1);
    EXPECT_EQ(f.Selected().Last(30), 3);
    // An edit key acts at the cursor only and keeps the selection.
    s.Press(Qt::Key_A);
    EXPECT_EQ(s.doc().GetGSyurui(0, 2, 0), Kind::HalfNote);
    EXPECT_TRUE(f.Selected().Active());
    const int steps = s.Steps();
    s.Press(Qt::Key_Delete);
    EXPECT_EQ(s.Steps(), steps + 1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(s.doc().GetGSyurui(0, i, 0), 0);
    EXPECT_EQ(s.doc().GetGSyurui(0, 4, 0), Kind::HalfNote);
    s.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.doc().GetGSyurui(0, 3, 0), Kind::WholeNote);
    // A move without Shift ends the selection.
    s.Press(Qt::Key_Left);
    EXPECT_FALSE(f.Selected().Active());

    // Dragging from column 2 to column 5 selects those columns.
    QTest::mousePress(f.Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(110, 72));
    QTest::mouseMove(f.Picture2, QPoint(230, 72));
    QMouseEvent move(QEvent::MouseMove, QPointF(230, 72), QPointF(230, 72), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Picture2, &move);
    QTest::mouseRelease(f.Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(230, 72));
    EXPECT_EQ(f.Selected().First(), 2);
    EXPECT_EQ(f.Selected().Last(30), 5);
    s.Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(s.Steps(), steps + 1);
    EXPECT_EQ(s.doc().GetGSyurui(0, 5, 0), 0);
    EXPECT_EQ(Clipboard::Take()->size(), 4u);
    EXPECT_EQ(f.StatusBar1->PanelText(2), QStringLiteral("4 個の位置をコピーしました"));
    // A click elsewhere ends it; Ctrl+A takes the whole part, cursor unmoved.
    QTest::mouseClick(f.Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(70, 72));
    EXPECT_FALSE(f.Selected().Active());
    s.Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.Selected().First(), 0);
    EXPECT_EQ(f.Selected().Last(30), 30);
    EXPECT_EQ(f.CursorPosition(), 1);
}

TEST(Selection, BandCoversExactlyTheSelectedColumnsAndNothingElseChanges) {
    Session s;
    Form1& f = *s.form;
    s.Press(Qt::Key_D);
    s.Press(Qt::Key_Right);
    s.Press(Qt::Key_F);
    const QImage plain = f.Picture2->Image().copy();
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    s.Press(Qt::Key_Right, Qt::ShiftModifier);
    s.Press(Qt::Key_Left);
    s.Press(Qt::Key_Left);
    // No selection: the same image as before, pixel for pixel.
    EXPECT_EQ(f.Picture2->Image(), plain);

    // Positions 1..3 selected from 3 back to the cursor's place in the plain
    // image, position 1: screen columns 1..3 are x 60..179.
    s.Press(Qt::Key_Right);
    s.Press(Qt::Key_Right);
    s.Press(Qt::Key_Left, Qt::ShiftModifier);
    s.Press(Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(f.Selected().First(), 1);
    ASSERT_EQ(f.Selected().Last(30), 3);
    const QImage banded = f.Picture2->Image();
    ASSERT_EQ(banded.size(), plain.size());
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb was = plain.pixel(x, y);
            const QRgb now = banded.pixel(x, y);
            const bool inside = x >= 60 && x < 180;
            if (!inside) {
                ASSERT_EQ(now, was) << x << "," << y;
            } else if (was == qRgb(255, 255, 255)) {
                ASSERT_EQ(now, qRgb(204, 224, 255)) << x << "," << y;
            } else if (was == qRgb(0, 0, 0)) {
                ASSERT_EQ(now, was) << "symbols stay above the band at " << x << "," << y;
            }
        }
    }
}

// The tint by whole rows against the toolkit's multiplied fill, over every
// channel value and a width that leaves pixels after the last full group.
TEST(Selection, TintIsTheMultipliedFillToThePixel) {
    QImage image(67, 4, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 4 + y) & 255, (x * 7 + y * 64) & 255, 255 - x * 3));
    // Paper, taken four pixels at a time, among the ink.
    for (int x = 20; x < 44; ++x)
        image.setPixel(x, 1, qRgb(255, 255, 255));
    QImage expected = image.copy();
    const QRect area(2, 1, 63, 2);
    const QColor tint(204, 224, 255);
    {
        QPainter painter(&expected);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(area, tint);
    }
    TintPixels(image, area, tint.rgb());
    EXPECT_EQ(image, expected);
}

} // namespace
} // namespace sorn::test
