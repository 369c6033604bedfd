#pragma once
// The OK and cancel buttons the dialogs stack at their top right.

#include <QPushButton>
#include <QVBoxLayout>

namespace sorn {

// ok is the default button; the column keeps to the top of the dialog.
inline QVBoxLayout* ButtonColumn(QPushButton* ok, QPushButton* cancel) {
    ok->setDefault(true);
    auto* column = new QVBoxLayout;
    column->addWidget(ok);
    column->addWidget(cancel);
    column->addStretch(1);
    return column;
}

} // namespace sorn
