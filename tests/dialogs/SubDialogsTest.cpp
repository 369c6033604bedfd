// The key, time-signature and bar-line dialogs: they read and set only the
// symbol dialog's three bytes and its 小節線 box.

#include "DialogTest.h"
#include "app/Editing.h"
#include "dialogs/PreviewBox.h"
#include "dialogs/frmOnpu.h"
#include "dialogs/frmOnpuChogo.h"
#include "dialogs/frmOnpuHyousi.h"
#include "dialogs/frmSyosetsusen.h"
#include "support/RecordingCanvas.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <memory>

namespace sorn::test {
namespace {

struct Owner : Score {
    std::unique_ptr<frmOnpu> dialog;
    frmOnpu& Open(const char* stored) {
        Put(0, stored);
        dialog = std::make_unique<frmOnpu>(doc, 0, 0, 128);
        return *dialog;
    }
    // 決定, and the window writing what it chose.
    void Ok() {
        dialog->Command1->click();
        EditorState state;
        Editing::RewritePosition(doc, state, 0, dialog->Chosen());
    }
};

QString Checked(const QButtonGroup* group) {
    const QAbstractButton* b = group->checkedButton();
    return b ? b->text() : QStringLiteral("none");
}

TEST(KeySignatureDialog, LoadsChoosesAndCancels) {
    Owner o;
    EXPECT_EQ(Checked(frmOnpuChogo(o.Open("")).Option1), QStringLiteral("ハ長調"));
    frmOnpu& owner = o.Open("31,10");
    auto choose = [&](int key, bool ok) {
        frmOnpuChogo d(owner);
        d.Option1->button(key)->click();
        (ok ? d.Command1 : d.Command2)->click();
        return int{owner.mbytD_Chogo_Atai};
    };
    EXPECT_EQ(Checked(frmOnpuChogo(owner).Option1), QStringLiteral("変ホ長調(3つ)"));
    EXPECT_EQ(choose(7, true), 7);
    EXPECT_EQ(choose(14, true), 14);
    EXPECT_EQ(choose(3, false), 14);
    // A key without an option shows none and comes back unchanged.
    frmOnpuChogo odd(o.Open("31,20"));
    EXPECT_EQ(Checked(odd.Option1), QStringLiteral("none"));
    odd.Command1->click();
    EXPECT_EQ(o.dialog->mbytD_Chogo_Atai, 20);
}

TEST(TimeSignatureDialog, LoadsChoosesAndCancels) {
    Owner o;
    auto shown = [&](const char* stored) {
        frmOnpuHyousi d(o.Open(stored));
        return Checked(d.Option1) + "/" + Checked(d.Option2);
    };
    EXPECT_EQ(shown(""), QStringLiteral("４拍子/4分"));
    EXPECT_EQ(shown("30,155"), QStringLiteral("20拍子/8分"));
    EXPECT_EQ(shown("30,130"), QStringLiteral("none/4分")); // no option for 17

    frmOnpu& owner = o.Open("");
    auto choose = [&](int numeratorIndex, int denominatorIndex, bool ok) {
        frmOnpuHyousi d(owner);
        d.Option1->button(numeratorIndex)->click();
        d.Option2->button(denominatorIndex)->click();
        (ok ? d.Command2 : d.Command1)->click(); // here OK is Command2
        return int{owner.mbytD_Hyoushi_Atai};
    };
    EXPECT_EQ(choose(5, 3, true), 43);
    EXPECT_EQ(choose(31, 5, true), 253);
    EXPECT_EQ(choose(0, 0, true), 0);
    EXPECT_EQ(choose(26, 4, false), 0);
    // 17/128 has neither option and comes back unchanged.
    frmOnpuHyousi odd(o.Open("30,135"));
    odd.Command2->click();
    EXPECT_EQ(o.dialog->mbytD_Hyoushi_Atai, 135);
}

TEST(BarLineDialog, LoadsChoosesAndCancels) {
    Owner o;
    frmOnpu& owner = o.Open("");
    auto choose = [&](int code, bool ok) {
        frmSyosetsusen d(owner);
        d.Option1->button(code)->click();
        (ok ? d.Command1 : d.Command2)->click();
        return std::pair{owner.Check1->isChecked(), int{owner.mbytD_SyosetsuSen_Atai}};
    };
    auto preview = [&](int code) {
        frmSyosetsusen d(owner);
        d.Option1->button(code)->click();
        RecordingCanvas canvas(kPreviewWidth, kPreviewHeight);
        d.DrawPreview(canvas);
        std::string out;
        for (const std::string& c : canvas.calls)
            if (c[0] == 'l' || c[0] == 'b' || c[0] == 'p') out += c + "; ";
        return out;
    };
    // 小節線 unticked: 縦線, one line at the right end of the box.
    EXPECT_EQ(Checked(frmSyosetsusen(owner).Option1), QStringLiteral("縦線"));
    EXPECT_EQ(preview(0), "line 120 10 120 42; ");
    EXPECT_EQ(preview(16), "point 114 22; point 114 30; line 118 10 118 42; box 121 10 2 32; ");
    EXPECT_EQ(preview(frmSyosetsusen::kNoBarLine), "");

    EXPECT_EQ(choose(18, true), std::pair(true, 18));
    EXPECT_EQ(choose(1, false), std::pair(true, 18));
    EXPECT_EQ(choose(frmSyosetsusen::kNoBarLine, true), std::pair(false, 18));
    EXPECT_EQ(frmSyosetsusen(owner).Option1->checkedId(), 0);
    // A code without an option shows none and comes back unchanged.
    frmSyosetsusen odd(o.Open("- 10,5"));
    EXPECT_EQ(Checked(odd.Option1), QStringLiteral("none"));
    odd.Command1->click();
    EXPECT_TRUE(o.dialog->Check1->isChecked());
    EXPECT_EQ(o.dialog->mbytD_SyosetsuSen_Atai, 5);
}

// The symbol dialog's buttons open them modally and OK writes their choice.
TEST(SubDialogs, ChoicesReachTheDocumentThroughTheSymbolDialog) {
    Owner o;
    o.Open("31,10");
    WhenModal<frmOnpuChogo>([](frmOnpuChogo& d) {
        d.Option1->button(14)->click();
        d.Command1->click();
    });
    o.dialog->cmdEdit->click();
    o.Ok();
    EXPECT_EQ(o.Slots(0), "31,14");

    o.Open("");
    o.dialog->Option2->button(frmOnpu::kTimeSignature)->click();
    WhenModal<frmOnpuHyousi>([](frmOnpuHyousi& d) {
        d.Option1->button(2)->click();
        d.Command2->click();
    });
    o.dialog->cmdEdit->click();
    o.Ok();
    EXPECT_EQ(o.Slots(0), "30,18"); // 3/4

    o.Open("3,130 10,2");
    WhenModal<frmSyosetsusen>([](frmSyosetsusen& d) {
        d.Option1->button(frmSyosetsusen::kNoBarLine)->click();
        d.Command1->click();
    });
    o.dialog->cmdSyosetsuSen->click();
    o.Ok();
    EXPECT_EQ(o.Slots(0), "3,130");
}

} // namespace
} // namespace sorn::test
