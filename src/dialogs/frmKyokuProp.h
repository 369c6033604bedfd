#pragma once
// The song dialog "曲の情報": the tempo and the length of the score, its title
// and credits. It only reads the document; the window writes the choice on OK.

#include "model/ScoreWords.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sorn {

class MessageBoxes;
class SornData;

inline constexpr const char* kTempoOutOfRange =
    QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "速さは1から32767までの数で入力してください。");

// The tempo a text gives: its leading decimal number (with an optional
// fraction; no number counts as 0) rounded to the nearest integer, halves to
// even. Empty when that lies outside 1..32767.
std::optional<std::int16_t> TempoFromText(const QString& text);

class frmKyokuProp : public QDialog {
    Q_OBJECT
public:
    frmKyokuProp(const SornData& document, MessageBoxes& boxes, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Text1; // the tempo
    QLabel* Label2;
    QPushButton* Command3; // -10
    QPushButton* Command4; // -1
    QLabel* Label3;        // the working length
    QPushButton* Command5; // +1
    QPushButton* Command6; // +10
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル
    // 曲名, 副題, 作曲, 作詞, 編曲, 著作権: by ScoreText.
    std::array<QLabel*, ScoreTextCount> WordsLabel;
    std::array<QLineEdit*, ScoreTextCount> WordsText;

    std::int32_t WorkingLength() const { return length_; }
    // The tempo OK accepted.
    std::int16_t ChosenSpeed() const { return speed_; }
    // The texts OK accepted, by ScoreText, each within MaxTextBytes.
    const std::array<std::string, ScoreTextCount>& ChosenTexts() const { return texts_; }

private:
    void ChangeLength(std::int32_t delta);
    void Command1_Click();

    MessageBoxes& boxes_;
    std::int32_t length_;
    std::int16_t speed_;
    std::array<std::string, ScoreTextCount> texts_;
};

} // namespace sorn
