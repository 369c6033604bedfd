#pragma once
// The symbol dialog "音符の情報": every symbol of one position, shown and
// rewritten as a whole. Its sub-dialogs change only the three public bytes
// and Check1. It only reads the document: 決定 leaves the new contents of
// the position in Chosen() for the window to write.

#include "model/SymbolCodes.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace sorn {

class Canvas;
class PreviewBox;
class SornData;

class frmOnpu : public QDialog {
    Q_OBJECT
public:
    // The main kinds of Option2, by button index.
    enum MainChoice { kNote = 0, kRest, kClef, kTimeSignature, kKeySignature, kNothing };

    // Works on one position of one part; a note chosen where none was takes
    // the staff position cursorPitch. Loads the position at once.
    frmOnpu(const SornData& document, std::uint8_t part, std::int32_t position,
            std::uint8_t cursorPitch, QWidget* parent = nullptr);

    // After 決定: slot 0's symbol, then the attached symbols in the order
    // they take the free slots of the emptied position.
    const std::vector<Symbol>& Chosen() const { return chosen_; }

    // What 決定 writes for 拍子記号, 調号 and a ticked 小節線; the sub-dialogs
    // read and set them.
    std::uint8_t mbytD_Hyoushi_Atai = TimeSignatureCommon;
    std::uint8_t mbytD_Chogo_Atai = KeyCode::CMajor;
    std::uint8_t mbytD_SyosetsuSen_Atai = BarLineCode::Single;

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QGroupBox* Frame5;
    // Option arrays: a button's id in its group is its index.
    QButtonGroup* Option1; // length, index = length code - 1
    QButtonGroup* Option2; // main kind, MainChoice
    QButtonGroup* Option4; // clef
    QButtonGroup* Option6; // accidental
    QCheckBox* Check1;     // 小節線
    QCheckBox* Check2;     // 付点
    QCheckBox* Check3;     // タイ
    QCheckBox* Check4;     // 連桁
    QLabel* Label1;
    QComboBox* cmbKurikaeshi;
    QLabel* Label2;
    QComboBox* cmbFp;
    QPushButton* cmdEdit;
    QPushButton* cmdSyosetsuSen;
    QPushButton* Command3;
    QPushButton* Command1;
    QPushButton* Command2;
    PreviewBox* picPreview;

    // Brings frames, buttons and the preview in line with the choices.
    void UpdateDisplay();
    // The preview of staff, time signature and bar line.
    void DrawPreview(Canvas& canvas) const;

private:
    void BuildControls();
    void BuildKindFrames();           // Frame1: Frame2 above Frame3, Frame4 and cmdEdit
    QVBoxLayout* BuildPitchFrame();   // Frame5 and the four check boxes below it
    QGridLayout* BuildLists();        // repeat words and dynamics
    QVBoxLayout* BuildBarLineFrame(); // the preview and its button
    void Form_Load();
    void cmdEdit_Click();
    void cmdSyosetsuSen_Click();
    void Command1_Click();
    void Command3_Click();

    const SornData& doc_;
    std::uint8_t part_;
    std::int32_t position_;
    std::uint8_t cursorPitch_;
    bool notePresent_ = false;
    std::vector<Symbol> chosen_;
};

} // namespace sorn
