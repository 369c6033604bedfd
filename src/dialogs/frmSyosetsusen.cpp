#include "dialogs/frmSyosetsusen.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/PreviewBox.h"
#include "dialogs/frmOnpu.h"
#include "render/StaffSigns.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorn {

namespace {

struct Option {
    int code;
    const char* caption;
    int row;
    int column;
};
constexpr Option kOptions[] = {
    {frmSyosetsusen::kNoBarLine, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "小節線を引かない"), 0,
     0},
    {BarLineCode::Single, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "縦線"), 1, 0},
    {BarLineCode::Double, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "複縦線"), 2, 0},
    {BarLineCode::Final, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "終止線"), 3, 0},
    {BarLineCode::RepeatEnd, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "リピート(戻る元)"), 1, 1},
    {BarLineCode::RepeatStart, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "リピート(戻る先)"), 2, 1},
    {BarLineCode::RepeatBoth, QT_TRANSLATE_NOOP("sorn::frmSyosetsusen", "リピート(両方)"), 3, 1},
};

// The column whose bar line stands at x = 120, the right end of the box.
constexpr float kBarLineColumn = 100;

} // namespace

frmSyosetsusen::frmSyosetsusen(frmOnpu& owner)
    : QDialog(&owner), owner_(owner),
      selected_(owner.Check1->isChecked() ? owner.mbytD_SyosetsuSen_Atai : BarLineCode::Single) {
    setWindowTitle(tr("小節線の設定"));

    Frame1 = new QGroupBox(tr("小節線の種類"));
    auto* options = new QGridLayout(Frame1);
    options->setHorizontalSpacing(16);
    Option1 = new QButtonGroup(this);
    for (const Option& option : kOptions) {
        auto* button =
            new QRadioButton(QCoreApplication::translate("sorn::frmSyosetsusen", option.caption));
        Option1->addButton(button, option.code);
        // "No bar line" runs across the frame above the two columns.
        options->addWidget(button, option.row, option.column, 1, option.row == 0 ? 2 : 1);
    }
    picPreview = new PreviewBox;

    Command1 = new QPushButton(tr("決定"));
    Command2 = new QPushButton(tr("キャンセル"));
    auto* buttons = ButtonColumn(Command1, Command2);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(picPreview, 0, Qt::AlignLeft);
    LayOutBesideButtons(this, left, buttons);

    SelectButton(Option1, selected_);
    picPreview->Draw([this](Canvas& canvas) { DrawPreview(canvas); });
    connect(Option1, &QButtonGroup::idClicked, this, [this](int id) {
        selected_ = static_cast<std::int16_t>(id);
        picPreview->Draw([this](Canvas& canvas) { DrawPreview(canvas); });
    });
    connect(Command1, &QPushButton::clicked, this, &frmSyosetsusen::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSyosetsusen::DrawPreview(Canvas& canvas) const {
    canvas.Clear();
    canvas.SetLineWidth(1);
    // No bar line, and codes without a shape, leave the box empty.
    if (selected_ >= 0 && selected_ <= 255)
        DrawBarLine(canvas, kPreviewLayout, static_cast<std::uint8_t>(selected_),
                    kBarLineColumn + BarAcross(kPreviewLayout, 0), 0);
}

void frmSyosetsusen::Command1_Click() {
    if (selected_ == kNoBarLine) {
        owner_.Check1->setChecked(false);
    } else {
        owner_.Check1->setChecked(true);
        owner_.mbytD_SyosetsuSen_Atai = static_cast<std::uint8_t>(selected_);
    }
    accept();
}

} // namespace sorn
