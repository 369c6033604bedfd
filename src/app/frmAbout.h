#pragma once
// The version dialog.

#include <QDialog>

class QLabel;
class QPushButton;

namespace sorn {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* Command1;
};

} // namespace sorn
