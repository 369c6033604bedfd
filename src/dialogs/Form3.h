#pragma once
// The print preview: the current part laid out in pages, the first page
// shown small, and printing of every page in the chosen copies and paper.

#include "platform/Printer.h"

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace sorn {

class FileDialogs;
class MessageBoxes;
class SornData;
class Shell;

// The copies a text asks for: its leading number rounded, halves to even,
// within 0..999.
long CopiesFromText(const QString& text);

struct PrintServices {
    Printer& printer;
    FileDialogs& dialogs;
    Shell& shell;
    MessageBoxes& boxes;
    QProgressBar* progressBar = nullptr; // the main window's, while printing runs
};

class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(const SornData& doc, std::uint8_t part, PrintServices services,
          QWidget* parent = nullptr);

    int LastPage() const { return lastPage_; }
    const QImage& PageImage() const { return page_; }
    // Where "プレビューの表示" saves the page: the editor's own "GImage"
    // scratch file.
    std::string PreviewImagePath() const;

    QLabel* Picture2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* Text1;
    QComboBox* Combo1;
    QCheckBox* chkKuhaku;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;

private:
    int RenderPrintPage(int page);
    void UpdatePageCount();
    void Command1_Click();
    void Command3_Click();

    const SornData& doc_;
    std::uint8_t part_;
    PrintServices services_;
    QImage page_; // the page canvas, holding the page rendered last
    int lastPage_ = 0;
};

} // namespace sorn
