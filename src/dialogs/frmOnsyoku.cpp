#include "dialogs/frmOnsyoku.h"

#include "sound/Timbre.h"

#include <QByteArray>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorn {

namespace {

// The list is 3015 × 2400 twips, 15 twips to a pixel.
constexpr int kListWidth = 201;
constexpr int kListHeight = 160;
constexpr int kButtonWidth = 89;

} // namespace

frmOnsyoku::frmOnsyoku(const std::string& AppPath, const std::string& current, QWidget* parent)
    : QDialog(parent), name_(current) {
    setWindowTitle(tr("音色"));
    Label1 = new QLabel(tr("音色を選んでください"));
    List1 = new QListWidget;
    List1->setMinimumSize(kListWidth, kListHeight);
    Command1 = new QPushButton(QStringLiteral("OK"));
    Command2 = new QPushButton(tr("キャンセル"));
    Command1->setDefault(true);
    for (QPushButton* button : {Command1, Command2})
        button->setMinimumWidth(kButtonWidth);

    for (const std::string& name : TimbreNames(AppPath)) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), List1);
        // The exact bytes, so a file name that is not valid UTF-8 still opens.
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    List1->setCurrentRow(0);

    connect(Command1, &QPushButton::clicked, this, &frmOnsyoku::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOnsyoku::Command2_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(8);
    buttons->addWidget(Command1);
    buttons->addSpacing(15);
    buttons->addWidget(Command2);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(15);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(List1, 1, 0);
    grid->addLayout(buttons, 0, 1, 2, 1);
}

void frmOnsyoku::Command1_Click() {
    if (const QListWidgetItem* item = List1->currentItem())
        name_ = item->data(Qt::UserRole).toByteArray().toStdString();
    accept();
}

void frmOnsyoku::Command2_Click() {
    name_ = TimbreCancel;
    reject();
}

void frmOnsyoku::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::string ChooseTimbre(QWidget* parent, const std::string& AppPath, const std::string& current) {
    frmOnsyoku dialog(AppPath, current, parent);
    dialog.exec();
    return dialog.OnsyokuFileName();
}

} // namespace sorn
