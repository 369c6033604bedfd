#pragma once
// The part dialog "パートの情報": the General MIDI instrument of one part and
// the names it is shown by. It only reads the document; the window writes the
// choice.

#include <QDialog>
#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sorn {

class MessageBoxes;
class SornData;

class PartEdit : public QDialog {
    Q_OBJECT
public:
    PartEdit(const SornData& document, std::uint8_t part, MessageBoxes& boxes,
             QWidget* parent = nullptr);

    // The program chosen on OK, 0..127, or -1 when nothing is selected (the
    // part then keeps its instrument).
    int ChosenProgram() const;
    // The names OK accepted; empty shows the instrument's name.
    const std::string& ChosenName() const { return name_; }
    const std::string& ChosenShortName() const { return shortName_; }

    QLabel* Label1;
    QComboBox* Combo1; // item index = 0-based program number
    QLabel* Label2;
    QLineEdit* Text1; // パート名
    QLabel* Label3;
    QLineEdit* Text2;      // 略称
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル

private:
    void Command1_Click();

    MessageBoxes& boxes_;
    std::string name_;
    std::string shortName_;
};

} // namespace sorn
