#include "dialogs/frmOnpuHyousi.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/frmOnpu.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorn {

namespace {

struct Option {
    int index;
    const char* caption;
};
// Numerators by column: the common ones, the unusual ones, the large ones.
constexpr Option kCommon[] = {{1, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "２拍子")},
                              {2, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "３拍子")},
                              {3, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "４拍子")},
                              {5, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "６拍子")},
                              {7, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "８拍子")},
                              {8, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "９拍子")},
                              {11, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "12拍子")}};
constexpr Option kUnusual[] = {{0, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "１拍子")},
                               {4, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "５拍子")},
                               {6, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "７拍子")},
                               {9, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "10拍子")},
                               {10, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "11拍子")},
                               {12, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "13拍子")},
                               {13, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "14拍子")}};
constexpr Option kLarge[] = {{14, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "15拍子")},
                             {15, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "16拍子")},
                             {19, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "20拍子")},
                             {23, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "24拍子")},
                             {26, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "27拍子")},
                             {31, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "32拍子")}};
// Denominators in two rows of three.
constexpr Option kDenominators[] = {{0, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "1分(全音符)")},
                                    {1, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "2分")},
                                    {2, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "4分")},
                                    {3, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "8分")},
                                    {4, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "16分")},
                                    {5, QT_TRANSLATE_NOOP("sorn::frmOnpuHyousi", "32分")}};

template <std::size_t N>
void AddColumn(QButtonGroup* group, QGridLayout* grid, const Option (&options)[N], int column) {
    for (std::size_t row = 0; row < N; ++row) {
        auto* button = new QRadioButton(
            QCoreApplication::translate("sorn::frmOnpuHyousi", options[row].caption));
        group->addButton(button, options[row].index);
        grid->addWidget(button, static_cast<int>(row) + 1, column);
    }
}

} // namespace

frmOnpuHyousi::frmOnpuHyousi(frmOnpu& owner)
    : QDialog(&owner), owner_(owner), numerator_(owner.mbytD_Hyoushi_Atai / 8),
      denominator_(owner.mbytD_Hyoushi_Atai % 8) {
    setWindowTitle(tr("拍子の編集"));

    Frame1 = new QGroupBox(tr("分子"));
    Label1 = new QLabel(tr("一般的な拍子"));
    Label2 = new QLabel(tr("特殊な拍子"));
    Line1 = new QFrame;
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Sunken);
    auto* numerators = new QGridLayout(Frame1);
    numerators->setHorizontalSpacing(12);
    numerators->addWidget(Label1, 0, 0);
    numerators->addWidget(Line1, 0, 1, static_cast<int>(std::size(kCommon)) + 1, 1);
    numerators->addWidget(Label2, 0, 2);
    Option1 = new QButtonGroup(this);
    AddColumn(Option1, numerators, kCommon, 0);
    AddColumn(Option1, numerators, kUnusual, 2);
    AddColumn(Option1, numerators, kLarge, 3);

    Frame2 = new QGroupBox(tr("分母"));
    auto* denominators = new QGridLayout(Frame2);
    denominators->setHorizontalSpacing(12);
    Option2 = new QButtonGroup(this);
    for (const Option& option : kDenominators) {
        auto* button =
            new QRadioButton(QCoreApplication::translate("sorn::frmOnpuHyousi", option.caption));
        Option2->addButton(button, option.index);
        denominators->addWidget(button, option.index % 2, option.index / 2);
    }

    Command2 = new QPushButton(tr("決定"));
    Command1 = new QPushButton(tr("キャンセル"));
    auto* buttons = ButtonColumn(Command2, Command1);

    auto* frames = new QVBoxLayout;
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);
    LayOutBesideButtons(this, frames, buttons);

    SelectButton(Option1, numerator_);
    SelectButton(Option2, denominator_);
    connect(Option1, &QButtonGroup::idClicked, this, [this](int id) { numerator_ = id; });
    connect(Option2, &QButtonGroup::idClicked, this, [this](int id) { denominator_ = id; });
    connect(Command2, &QPushButton::clicked, this, &frmOnpuHyousi::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOnpuHyousi::Command2_Click() {
    owner_.mbytD_Hyoushi_Atai = static_cast<std::uint8_t>(numerator_ * 8 + denominator_);
    accept();
}

} // namespace sorn
