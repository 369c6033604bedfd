#include "dialogs/PartEdit.h"

#include "dialogs/WordsText.h"
#include "model/MessageBoxes.h"
#include "model/SornData.h"
#include "platform/MessageText.h"
#include "sound/InstrumentNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace sorn {

namespace {
constexpr int kPrograms = 128;
}

PartEdit::PartEdit(const SornData& document, std::uint8_t part, MessageBoxes& boxes,
                   QWidget* parent)
    : QDialog(parent), boxes_(boxes) {
    setWindowTitle(tr("パートの情報"));

    Label1 = new QLabel(tr("楽器(MIDI)"));
    Combo1 = new QComboBox;
    Combo1->setMaxVisibleItems(16);
    Combo1->setMinimumWidth(257);
    Label1->setBuddy(Combo1);
    // The list shows programs from 1, as musicians count them.
    for (int n = 1; n <= kPrograms; ++n) {
        Combo1->addItem(QString::number(n) + QStringLiteral("  ") + InstrumentText(n - 1));
    }
    // A program above 127, read from a file, has no item: nothing is selected.
    const int current = document.GetInstrumentNumber(part);
    Combo1->setCurrentIndex(current < kPrograms ? current : -1);

    // An empty name shows the instrument's, as a part without one always has.
    Label2 = new QLabel(tr("パート名"));
    Text1 = new QLineEdit(QString::fromStdString(document.GetPartText(part, PartText::Name)));
    Label3 = new QLabel(tr("略称"));
    Text2 = new QLineEdit(QString::fromStdString(document.GetPartText(part, PartText::ShortName)));
    Label2->setBuddy(Text1);
    Label3->setBuddy(Text2);
    auto showInstrument = [this] {
        const QString instrument = Combo1->currentText().section(QStringLiteral("  "), 1);
        Text1->setPlaceholderText(instrument);
    };
    showInstrument();
    connect(Combo1, &QComboBox::currentIndexChanged, this, showInstrument);

    Command1 = new QPushButton(QStringLiteral("OK"));
    Command2 = new QPushButton(tr("キャンセル"));
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(16);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Combo1, 0, 1);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(Text1, 1, 1);
    layout->addWidget(Label3, 2, 0);
    layout->addWidget(Text2, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(Command1, &QPushButton::clicked, this, &PartEdit::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void PartEdit::Command1_Click() {
    for (auto [label, box] : {std::pair{Label2, Text1}, std::pair{Label3, Text2}}) {
        if (static_cast<std::size_t>(box->text().toUtf8().size()) <= MaxTextBytes) continue;
        boxes_.Show(TooLongText(label->text(), MaxTextBytes), MsgButtons::Ok, MsgIcon::Warning);
        box->setFocus();
        box->selectAll();
        return;
    }
    name_ = Text1->text().toStdString();
    shortName_ = Text2->text().toStdString();
    accept();
}

int PartEdit::ChosenProgram() const {
    return Combo1->currentIndex();
}

} // namespace sorn
