#pragma once
// What the dialogs share: the OK and cancel buttons stacked at their top
// right, the layout that puts them beside the content, and choosing an
// option by its id.

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>

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

// The content on the left, the button column on the right; the dialog
// keeps the size they need.
inline void LayOutBesideButtons(QDialog* dialog, QLayout* content, QLayout* buttons) {
    auto* layout = new QHBoxLayout(dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(16);
    layout->addLayout(content);
    layout->addLayout(buttons);
}

// Checks the option of an id; an id the group does not have checks nothing.
inline void SelectButton(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

} // namespace sorn
