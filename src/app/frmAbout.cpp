#include "app/frmAbout.h"

#include "app/Version.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorn {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("バージョン情報"));
    Label1 =
        new QLabel(tr(" SORN楽譜エディタ\n　　　Ver. ") + QString::fromUtf8(kVersionText), this);
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    Label1->setFont(big);
    Command1 = new QPushButton(tr("閉じる"), this);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addWidget(Label1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

} // namespace sorn
