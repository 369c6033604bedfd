#pragma once
// The part dialog "パートの情報": the General MIDI instrument of one part.

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
    PartEdit(SornData& document, std::uint8_t part, QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* Combo1;     // item index = 0-based program number
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル

private:
    void Command1_Click();

    SornData& doc_;
    std::uint8_t part_;
};

} // namespace sorn
