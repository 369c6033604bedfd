#pragma once
// The print preview: the current part, the whole score or chosen parts, in
// the original pages or laid out for reading; a preview of its pages, and
// printing in the chosen copies and paper, or a PDF for each part, or the
// same parts engraved by LilyPond for publication.

#include "platform/PrintJob.h"
#include "platform/Printer.h"

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <memory>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

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
    ~Form3() override;

    int LastPage() const { return lastPage_; }
    const QImage& PageImage() const { return page_; }
    // Where "プレビューの表示" saves the page: the editor's own "GImage"
    // scratch file.
    std::string PreviewImagePath() const;
    // What the choices print; no parts when none is ticked.
    PrintChoice Choice() const;
    // The page the preview shows, from 0.
    int PreviewPage() const { return previewPage_; }

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

    QRadioButton* optThisPart;
    QRadioButton* optFullScore;
    QRadioButton* optChosenParts;
    QListWidget* lstParts; // "1 ソプラノ", ticked when chosen
    QRadioButton* optOriginalLayout;
    QRadioButton* optReadingLayout;
    QSpinBox* spnMargin; // mm
    QRadioButton* optPortrait;
    QRadioButton* optLandscape;
    QPushButton* cmdPreviousPage;
    QPushButton* cmdNextPage;
    QLabel* lblPageOf; // "2 / 5 ページ"
    QPushButton* cmdPartPdfs;
    QPushButton* cmdEngrave; // LilyPond sets the chosen parts into a PDF
    QLabel* lblEngraving;    // what the window is doing meanwhile

private:
    enum Content { kThisPart, kFullScore, kChosenParts };

    int RenderPrintPage(int page);
    void UpdatePageCount();
    void ShowPage(int page);
    void ContentChanged();
    void Remember() const;
    void Command1_Click();
    void Command3_Click();
    void cmdPartPdfs_Click();
    void cmdEngrave_Click();

    const SornData& doc_;
    std::uint8_t part_;
    PrintServices services_;
    QImage page_; // the page canvas, holding the original page rendered last
    int lastPage_ = 0;
    QButtonGroup* content_;
    QButtonGroup* layout_;
    QButtonGroup* orientation_;
    QWidget* pager_;
    QLabel* lblMargin_;
    QLabel* lblOrientation_;
    std::unique_ptr<PrintPages> pages_; // the reading layout, while it is chosen
    int previewPage_ = 0;
};

} // namespace sorn
