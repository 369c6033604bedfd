// The symbol dialog on real widgets: what it loads, what OK writes, and the
// display it keeps in step with the choices.

#include "DialogTest.h"
#include "app/Editing.h"
#include "dialogs/PreviewBox.h"
#include "dialogs/frmOnpu.h"
#include "support/RecordingCanvas.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <functional>

namespace sorn::test {
namespace {

constexpr std::int32_t kPos = 5;
constexpr std::uint8_t kCursorPitch = 140;

// Presses OK and writes the choice as the window does.
void Ok(frmOnpu& d, Score& s) {
    d.Command1->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EditorState state;
    Editing::RewritePosition(s.doc, state, kPos, d.Chosen());
}

// Opens the dialog on a stored position, does what the user does, presses
// OK and gives what was written.
std::string Edit(const std::string& stored, const std::function<void(frmOnpu&)>& user = {}) {
    Score s;
    s.Put(kPos, stored);
    frmOnpu d(s.doc, 0, kPos, kCursorPitch);
    if (user) user(d);
    Ok(d, s);
    return s.Slots(kPos);
}

void Click(QButtonGroup* group, int id) {
    group->button(id)->click();
}

std::vector<std::string> Preview(const frmOnpu& d) {
    RecordingCanvas canvas(kPreviewWidth, kPreviewHeight);
    d.DrawPreview(canvas);
    return canvas.calls;
}

TEST(SymbolDialog, EmptyPositionOpensBlankAndOkWritesAnEmptySlotZero) {
    Score s;
    s.Put(kPos, "0,77"); // an empty slot with a stale value byte
    frmOnpu d(s.doc, 0, kPos, kCursorPitch);
    EXPECT_EQ(d.Option2->checkedId(), -1);
    EXPECT_EQ(d.Option1->checkedId(), 2);
    EXPECT_EQ(d.Option4->checkedId(), 0);
    EXPECT_EQ(d.Option6->checkedId(), 2);
    EXPECT_EQ(d.cmbKurikaeshi->currentText() + d.cmbFp->currentText(),
              QStringLiteral("(指定なし)(指定なし)"));
    for (QCheckBox* box : {d.Check1, d.Check2, d.Check3, d.Check4})
        EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(d.Frame3->isHidden() && d.Frame4->isHidden() && d.cmdEdit->isHidden());
    EXPECT_FALSE(d.Option6->button(1)->isEnabled());
    EXPECT_EQ(Preview(d), (std::vector<std::string>{"clear", "width 1", "line 20 10 123 10",
                                                    "line 20 18 123 18", "line 20 26 123 26",
                                                    "line 20 34 123 34", "line 20 42 123 42"}));
    Ok(d, s);
    EXPECT_EQ(s.Slots(kPos), "-");
    EXPECT_EQ(s.doc.GetGAtai(0, kPos, 0), 0);
}

TEST(SymbolDialog, OkWithoutChangesRewritesEveryKindInTheFixedOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"3,130 11,1", "3,130 11,1"},
        {"1,122 11,2", "1,122 11,2"},
        {"7,1 11,3", "7,1 11,3"},
        {"2,254 11,5 12,1", "2,254 11,5 12,1"},
        {"9,1", "9,1"},
        {"9,7 12,1", "9,7 12,1"},
        {"20,2", "20,2"},
        {"20,10", "20,10"},
        {"20,11", "20,11"},
        {"30,0", "30,0"},
        {"30,253", "30,253"},
        {"31,14", "31,14"},
        {"- 10,17", "- 10,17"},
        {"- 64,2", "- 64,2"},
        {"9,3 13,5", "9,3 13,5"},
        {"9,3 13,9", "9,3 13,9"},
        // Values no sub-dialog offers come back as they were.
        {"30,130", "30,130"},
        {"31,20", "31,20"},
        {"- 10,5", "- 10,5"},
        // Attached symbols in any order are written accidental, dot, bar
        // line, repeat word, dynamics, tie, beam; gaps close up.
        {"3,130 96,1 23,1 13,2 64,1 10,0 12,1 11,4", "3,130 11,4 12,1 10,0 64,1 13,2 23,1 96,1"},
        {"- - 23,1 - 12,1", "- 12,1 23,1"},
        // A later slot overrides an earlier one.
        {"- 13,2 13,13", "- 13,13"},
        {"- 10,1 10,18", "- 10,18"},
        {"3,130 20,2", "20,2"},
        // Values the dialog does not know leave its defaults.
        {"9,0", "9,3"},
        {"3,130 11,9 13,7 64,3 77,1", "3,130"},
    };
    for (auto [stored, written] : cases)
        EXPECT_EQ(Edit(stored), written) << stored;
}

TEST(SymbolDialog, ChoicesTheUserMakes) {
    // A quarter with a sharp changed to an eighth keeps staff position and sharp.
    EXPECT_EQ(Edit("3,130 11,1", [](frmOnpu& d) { Click(d.Option1, 3); }), "4,130 11,1");
    // A rest turned into a note takes the cursor's staff position.
    EXPECT_EQ(Edit("9,3", [](frmOnpu& d) { Click(d.Option2, frmOnpu::kNote); }), "3,140");
    EXPECT_EQ(Edit("", [](frmOnpu& d) { Click(d.Option2, frmOnpu::kTimeSignature); }), "30,26");
    EXPECT_EQ(Edit("", [](frmOnpu& d) { Click(d.Option2, frmOnpu::kKeySignature); }), "31,0");
    // A ticked dot is only disabled by a clef, and still written.
    EXPECT_EQ(Edit("3,130 12,1",
                   [](frmOnpu& d) {
                       Click(d.Option2, frmOnpu::kClef);
                       EXPECT_FALSE(d.Check2->isEnabled());
                   }),
              "20,1 12,1");
    // 音符の全削除 clears main kind, accidental, dot and bar line only.
    EXPECT_EQ(Edit("3,130 11,1 12,1 10,2", [](frmOnpu& d) { d.Command3->click(); }), "-");
    EXPECT_EQ(
        Edit("3,130 11,1 12,1 10,2 23,1 96,1 13,10 64,2", [](frmOnpu& d) { d.Command3->click(); }),
        "- 64,2 13,10 23,1 96,1");
    // 小節線 ticked without its dialog is a single bar line.
    EXPECT_EQ(Edit("3,130",
                   [](frmOnpu& d) {
                       d.Check1->click();
                       d.Check3->click();
                       d.Check4->click();
                       EXPECT_EQ(Preview(d).back(), "line 90 10 90 42");
                   }),
              "3,130 10,0 23,1 96,1");
    auto pick = [](QComboBox* list, const char* item) {
        list->setCurrentIndex(list->findText(QString::fromUtf8(item)));
    };
    EXPECT_EQ(Edit("", [&](frmOnpu& d) { pick(d.cmbFp, "ffff"); }), "- 13,13");
    EXPECT_EQ(Edit("", [&](frmOnpu& d) { pick(d.cmbFp, "p(ピアノ)"); }), "- 13,2");
    EXPECT_EQ(Edit("", [&](frmOnpu& d) { pick(d.cmbKurikaeshi, "Fine"); }), "- 64,8");
}

TEST(SymbolDialog, DisplayFollowsTheMainKind) {
    Score s;
    frmOnpu d(s.doc, 0, kPos, kCursorPitch);
    // choice: lengths shown, clefs shown, accidentals enabled, dot enabled, edit caption
    const std::tuple<int, bool, bool, bool, bool, const char*> rows[] = {
        {frmOnpu::kNote, true, false, true, true, nullptr},
        {frmOnpu::kRest, true, false, false, true, nullptr},
        {frmOnpu::kClef, false, true, false, false, nullptr},
        {frmOnpu::kTimeSignature, false, false, false, false, "拍子の編集"},
        {frmOnpu::kKeySignature, false, false, false, false, "調号の編集"},
        {frmOnpu::kNothing, false, false, false, false, nullptr},
    };
    for (auto [choice, lengths, clefs, accidentals, dot, edit] : rows) {
        SCOPED_TRACE(choice);
        Click(d.Option2, choice);
        EXPECT_EQ(!d.Frame3->isHidden(), lengths);
        EXPECT_EQ(!d.Frame4->isHidden(), clefs);
        for (QAbstractButton* b : d.Option6->buttons())
            EXPECT_EQ(b->isEnabled(), accidentals);
        EXPECT_EQ(d.Check2->isEnabled(), dot);
        EXPECT_EQ(d.cmdEdit->isHidden(), edit == nullptr);
        if (edit) {
            EXPECT_EQ(d.cmdEdit->text(), QString::fromUtf8(edit));
        }
    }
}

TEST(SymbolDialog, PreviewDrawsTimeSignatureCellsAndBarLines) {
    Score s;
    auto drawn = [&](const char* stored, const char* prefix) {
        s.Put(kPos, stored);
        frmOnpu d(s.doc, 0, kPos, kCursorPitch);
        std::string out;
        for (const std::string& call : Preview(d))
            if (call.rfind(prefix, 0) == 0) out += call + "; ";
        return out;
    };
    EXPECT_EQ(drawn("30,253", "glyph"), "glyph number 304 0 16 16 -> 40 26 16 16 copy; "
                                        "glyph number 304 0 16 16 -> 40 10 16 16 copy; ");
    // Numerator 17 has no cell; the denominator still shows.
    EXPECT_EQ(drawn("30,130", "glyph"), "glyph number 48 0 16 16 -> 40 26 16 16 copy; ");
    EXPECT_EQ(drawn("- 10,1", "line 8"), "line 88 10 88 42; ");
    EXPECT_EQ(drawn("- 10,2", "box"), "box 91 10 2 32; ");
    EXPECT_EQ(drawn("- 10,17", "point"), "point 96 22; point 96 30; ");
    EXPECT_EQ(drawn("- 10,18", "box"), "box 87 10 2 32; box 91 10 2 32; ");
    EXPECT_EQ(drawn("- 10,3", "box"), "");

    // The picture itself: a black bar line at x = 90 over the staff.
    s.Put(kPos, "- 10,0");
    frmOnpu d(s.doc, 0, kPos, kCursorPitch);
    const QImage& image = d.picPreview->Image();
    EXPECT_EQ(image.pixelColor(90, 30), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(90, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(60, 18), QColor(Qt::black));
}

TEST(SymbolDialog, CancelAndTheCloseBoxWriteNothing) {
    for (bool closeBox : {false, true}) {
        Score s;
        s.Put(kPos, "3,130 11,1 23,1");
        frmOnpu d(s.doc, 0, kPos, kCursorPitch);
        d.show();
        Click(d.Option2, frmOnpu::kRest);
        d.Command3->click();
        closeBox ? (void)d.close() : d.Command2->click();
        EXPECT_EQ(s.Slots(kPos), "3,130 11,1 23,1");
    }
}

} // namespace
} // namespace sorn::test
