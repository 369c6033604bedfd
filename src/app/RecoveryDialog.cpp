#include "app/RecoveryDialog.h"

#include "dialogs/DialogButtons.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace sorn {

RecoveryDialog::RecoveryDialog(QWidget* parent, const std::vector<Row>& rows) : QDialog(parent) {
    setWindowTitle(tr("復元用コピー"));
    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(tr("保存されていない楽譜の復元用コピーが見つかりました。\n"
                                     "復元する楽譜を選んでください。"),
                                  this));
    List = new QTreeWidget(this);
    List->setHeaderLabels({tr("ファイル"), tr("書き込んだ時刻"), tr("状態")});
    List->setRootIsDecorated(false);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const Row& row : rows)
        new QTreeWidgetItem(List,
                            {row.file, row.written, row.incomplete ? tr("不完全") : QString()});
    List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    List->setCurrentItem(List->topLevelItem(0));
    List->setMinimumWidth(560);
    content->addWidget(List);
    DeleteOthersBox = new QCheckBox(tr("選ばなかったコピーは削除する"), this);
    content->addWidget(DeleteOthersBox);

    RestoreButton = new QPushButton(tr("復元"), this);
    DeleteAllButton = new QPushButton(tr("すべて削除"), this);
    KeepButton = new QPushButton(tr("次回まで残す"), this);
    QVBoxLayout* buttons = ButtonColumn(RestoreButton, KeepButton);
    buttons->insertWidget(1, DeleteAllButton);
    LayOutBesideButtons(this, content, buttons);

    connect(RestoreButton, &QPushButton::clicked, this, [this] {
        answer_ = Answer::Restore;
        accept();
    });
    connect(List, &QTreeWidget::itemDoubleClicked, RestoreButton, &QPushButton::click);
    connect(DeleteAllButton, &QPushButton::clicked, this, [this] {
        answer_ = Answer::DeleteAll;
        accept();
    });
    connect(KeepButton, &QPushButton::clicked, this, &QDialog::reject);
}

int RecoveryDialog::ChosenRow() const {
    return List->currentItem() ? List->indexOfTopLevelItem(List->currentItem()) : 0;
}

bool RecoveryDialog::DeleteOthers() const {
    return DeleteOthersBox->isChecked();
}

} // namespace sorn
