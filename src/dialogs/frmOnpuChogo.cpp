#include "dialogs/frmOnpuChogo.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/frmOnpu.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorn {

namespace {

constexpr const char* kKeyCaptions[] = {
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "ハ長調"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "ト長調(シャープ1つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "ニ長調(2つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "イ長調(3つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "ホ長調(4つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "ロ長調(5つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "嬰ヘ長調(6つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "嬰ハ長調(7つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "ヘ長調(フラット1つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "変ロ長調(2つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "変ホ長調(3つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "変イ長調(4つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "変ニ長調(5つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "変ト長調(6つ)"),
    QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "変ハ長調(7つ)")};
static_assert(std::size(kKeyCaptions) == KeyCode::MostFlats + 1);

} // namespace

frmOnpuChogo::frmOnpuChogo(frmOnpu& owner)
    : QDialog(&owner), owner_(owner), selected_(owner.mbytD_Chogo_Atai) {
    setWindowTitle(tr(QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "調号の編集")));

    Label1 = new QLabel(tr(QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "シャープ系")));
    Label2 = new QLabel(tr(QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "フラット系")));
    Line1 = new QFrame;
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto* keys = new QGridLayout;
    keys->setHorizontalSpacing(12);
    keys->setVerticalSpacing(6);
    keys->addWidget(Label1, 0, 0);
    keys->addWidget(Label2, 0, 2);
    keys->addWidget(Line1, 0, 1, KeyCode::MostSharps + 2, 1);
    Option1 = new QButtonGroup(this);
    for (int key = 0; key <= KeyCode::MostFlats; ++key) {
        auto* button =
            new QRadioButton(QCoreApplication::translate("sorn::frmOnpuChogo", kKeyCaptions[key]));
        Option1->addButton(button, key);
        // Keys with as many flats as the left one has sharps stand beside it.
        if (key <= KeyCode::MostSharps)
            keys->addWidget(button, key + 1, 0);
        else
            keys->addWidget(button, key - KeyCode::OneFlat + 2, 2);
    }

    Command1 = new QPushButton(tr(QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "決定")));
    Command2 = new QPushButton(tr(QT_TRANSLATE_NOOP("sorn::frmOnpuChogo", "キャンセル")));
    auto* buttons = ButtonColumn(Command1, Command2);

    LayOutBesideButtons(this, keys, buttons);

    SelectButton(Option1, selected_);
    connect(Option1, &QButtonGroup::idClicked, this, [this](int id) { selected_ = id; });
    connect(Command1, &QPushButton::clicked, this, &frmOnpuChogo::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOnpuChogo::Command1_Click() {
    owner_.mbytD_Chogo_Atai = static_cast<std::uint8_t>(selected_);
    accept();
}

} // namespace sorn
