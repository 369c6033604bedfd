#pragma once
// The timbre dialog "音色": the default violin first, then the ".hki2" and
// ".hki" files in the program folder.

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace sorn {

class frmOnsyoku : public QDialog {
    Q_OBJECT
public:
    // current is the timbre name in force; it stays when the window is
    // closed with its frame.
    frmOnsyoku(const std::string& AppPath, const std::string& current, QWidget* parent = nullptr);

    // The chosen name after OK, TimbreCancel after キャンセル, otherwise the
    // name the dialog was opened with.
    const std::string& OnsyokuFileName() const { return name_; }

    QLabel* Label1;
    QListWidget* List1;
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル

protected:
    // Escape is the cancel button, not the window frame.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    std::string name_;
};

// Shows the dialog modally and returns the timbre name to keep for the run:
// the chosen name, TimbreCancel (then the command ends), or current when the
// window was closed with its frame.
std::string ChooseTimbre(QWidget* parent, const std::string& AppPath, const std::string& current);

} // namespace sorn
