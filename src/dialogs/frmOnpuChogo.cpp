#include "dialogs/frmOnpuChogo.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/frmOnpu.h"

#include <QButtonGroup>
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
    "ハ長調",        "ト長調(シャープ1つ)", "ニ長調(2つ)",
    "イ長調(3つ)",   "ホ長調(4つ)",         "ロ長調(5つ)",
    "嬰ヘ長調(6つ)", "嬰ハ長調(7つ)",       "ヘ長調(フラット1つ)",
    "変ロ長調(2つ)", "変ホ長調(3つ)",       "変イ長調(4つ)",
    "変ニ長調(5つ)", "変ト長調(6つ)",       "変ハ長調(7つ)"};
static_assert(std::size(kKeyCaptions) == KeyCode::MostFlats + 1);

} // namespace

frmOnpuChogo::frmOnpuChogo(frmOnpu& owner)
    : QDialog(&owner), owner_(owner), selected_(owner.mbytD_Chogo_Atai) {
    setWindowTitle(tr("調号の編集"));

    Label1 = new QLabel(tr("シャープ系"));
    Label2 = new QLabel(tr("フラット系"));
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
        auto* button = new QRadioButton(QString::fromUtf8(kKeyCaptions[key]));
        Option1->addButton(button, key);
        // Keys with as many flats as the left one has sharps stand beside it.
        if (key <= KeyCode::MostSharps)
            keys->addWidget(button, key + 1, 0);
        else
            keys->addWidget(button, key - KeyCode::OneFlat + 2, 2);
    }

    Command1 = new QPushButton(tr("決定"));
    Command2 = new QPushButton(tr("キャンセル"));
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
