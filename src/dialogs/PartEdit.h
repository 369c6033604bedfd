#pragma once
// The part dialog "パートの情報": the General MIDI instrument of one part.
// It only reads the document; the window writes the choice.

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace sorn {

class SornData;

class PartEdit : public QDialog {
    Q_OBJECT
public:
    PartEdit(const SornData& document, std::uint8_t part, QWidget* parent = nullptr);

    // The program chosen on OK, 0..127, or -1 when nothing is selected (the
    // part then keeps its instrument).
    int ChosenProgram() const;

    QLabel* Label1;
    QComboBox* Combo1;     // item index = 0-based program number
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル
};

} // namespace sorn
