#pragma once
// The time signature dialog "拍子の編集": numerator and denominator for the
// symbol dialog's mbytD_Hyoushi_Atai. It never touches the document.

#include <QDialog>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace sorn {

class frmOnpu;

class frmOnpuHyousi : public QDialog {
    Q_OBJECT
public:
    explicit frmOnpuHyousi(frmOnpu& owner);

    QGroupBox* Frame1;     // 分子
    QButtonGroup* Option1; // id = numerator - 1
    QLabel* Label1;        // 一般的な拍子
    QLabel* Label2;        // 特殊な拍子
    QFrame* Line1;
    QGroupBox* Frame2;     // 分母
    QButtonGroup* Option2; // id = log2 of the denominator
    QPushButton* Command2; // 決定: in this dialog the OK button is Command2
    QPushButton* Command1; // キャンセル

private:
    void Command2_Click();

    frmOnpu& owner_;
    // Indexes without an option (numerators 17 to 19 and others, or a
    // denominator exponent of 6 or 7 from elsewhere) are kept as read, so
    // that 決定 gives back what it was shown.
    int numerator_;
    int denominator_;
};

} // namespace sorn
