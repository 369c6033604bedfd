#include "dialogs/PartEdit.h"

#include "model/SornData.h"
#include "sound/InstrumentNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace sorn {

namespace {
constexpr int kPrograms = 128;
}

PartEdit::PartEdit(const SornData& document, std::uint8_t part, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("パートの情報"));

    Label1 = new QLabel(QStringLiteral("楽器(MIDI)"));
    Combo1 = new QComboBox;
    Combo1->setMaxVisibleItems(16);
    Combo1->setMinimumWidth(257);
    Label1->setBuddy(Combo1);
    // The list shows programs from 1, as musicians count them.
    for (int n = 1; n <= kPrograms; ++n) {
        const std::string_view name = InstrumentName(static_cast<std::int16_t>(n));
        Combo1->addItem(QString::number(n) + QStringLiteral("  ") +
                        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    // A program above 127, read from a file, has no item: nothing is selected.
    const int current = document.GetInstrumentNumber(part);
    Combo1->setCurrentIndex(current < kPrograms ? current : -1);

    Command1 = new QPushButton(QStringLiteral("OK"));
    Command2 = new QPushButton(QStringLiteral("キャンセル"));
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
    layout->addLayout(buttons, 1, 0, 1, 2);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

int PartEdit::ChosenProgram() const {
    return Combo1->currentIndex();
}

} // namespace sorn
