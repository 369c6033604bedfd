#pragma once
// The bar line dialog "小節線の設定": the type of the bar line, or none, for
// the symbol dialog's Check1 and mbytD_SyosetsuSen_Atai. It never touches the
// document.

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace sorn {

class Canvas;
class PreviewBox;
class frmOnpu;

class frmSyosetsusen : public QDialog {
    Q_OBJECT
public:
    // The option that stands for no bar line; it does not fit a bar-line code.
    static constexpr int kNoBarLine = 256;

    explicit frmSyosetsusen(frmOnpu& owner);

    QGroupBox* Frame1;     // 小節線の種類
    QButtonGroup* Option1; // id = bar-line code, or kNoBarLine
    PreviewBox* picPreview;
    QPushButton* Command1; // 決定
    QPushButton* Command2; // キャンセル

    // The selected type at the right end of the box, without a staff.
    void DrawPreview(Canvas& canvas) const;

private:
    void Command1_Click();

    frmOnpu& owner_;
    // A stored code without an option stays selected here, unseen, so that
    // 決定 without a choice gives it back unchanged.
    std::int16_t selected_;
};

} // namespace sorn
