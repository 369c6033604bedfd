#pragma once
// The key signature dialog "調号の編集": one of the fifteen major keys for
// the symbol dialog's mbytD_Chogo_Atai. It never touches the document.

#include <QDialog>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;

namespace sorn {

class frmOnpu;

class frmOnpuChogo : public QDialog {
    Q_OBJECT
public:
    explicit frmOnpuChogo(frmOnpu& owner);

    QButtonGroup* Option1; // id = key code 0..14
    QLabel* Label1;        // シャープ系
    QLabel* Label2;        // フラット系
    QFrame* Line1;
    QPushButton* Command1; // 決定
    QPushButton* Command2; // キャンセル

private:
    void Command1_Click();

    frmOnpu& owner_;
    // A stored key without an option stays selected here, unseen, so that
    // 決定 without a choice gives it back unchanged.
    int selected_;
};

} // namespace sorn
