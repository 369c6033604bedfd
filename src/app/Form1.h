#pragma once
// The main window: the score area with its scroll bars, the key-hint and
// status bars, the two property buttons and the menu bar. It owns the one
// document and the editor state for the whole run.

#include "app/EditHistory.h"
#include "app/EditorState.h"
#include "app/Selection.h"
#include "model/SornData.h"

#include <QMainWindow>
#include <QPointF>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QKeyEvent;
class QFrame;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace sorn {

class BackgroundWork;
class FileDialogs;
class MessageBoxes;
class PanelBar;
class Printer;
class ScoreArea;
class Shell;

// The outside services the window asks; real ones in the editor, scripted in tests.
struct Services {
    MessageBoxes& boxes;
    FileDialogs& dialogs;
    Shell& shell;
};

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(Services services, std::string appPath);
    ~Form1() override;

    // Last step of start-up: open the score named on the command line or
    // make a new one.
    void Form_Load(std::string_view commandLine);

    SornData& Document() { return document_; }
    EditorState& State() { return state_; }
    Services& Outside() { return services_; }
    EditHistory& History() { return *history_; }
    Selection& Selected() { return selection_; }
    // New and Open: a fresh history, nothing selected.
    void ForgetHistory();

    void RedrawScore();
    // Where printing goes; the real printer unless a test says otherwise.
    void UsePrinter(Printer& printer) { printer_ = &printer; }
    // The cursor's position in the score: first visible position + column.
    std::int32_t CursorPosition() const;

    // The dialogs of the cursor position, the song and the current part.
    void ShowSymbolDialog();
    void ShowSongDialog();
    void ShowPartDialog();

    // Controls, by the names the editor has always used.
    PanelBar* StatusBar1;
    PanelBar* StatusBar2;
    PanelBar* StatusBar3;
    QFrame* Picture1;
    ScoreArea* Picture2;
    QScrollBar* FlatScrollBar1;
    QScrollBar* FlatScrollBar2;
    QPushButton* cmdMusic;
    QPushButton* cmdPart;
    QProgressBar* ProgressBar1;

    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileSave;
    QAction* mnuFileGmfsave;
    QAction* mnuFileMidisave;
    QAction* mnuFilePrint;
    QAction* mnuFileExit;
    QMenu* mnuEdit;
    QAction* mnuEditUndo;
    QAction* mnuEditRedo;
    QAction* mnuEditCut;
    QAction* mnuEditCopy;
    QAction* mnuEditPaste;
    QAction* mnuEditPasteInsert;
    QAction* mnuEditSelectAll;
    QAction* mnuEditOnpu;
    QAction* mnuEditInsertspace;
    QAction* mnuEditDeletespace;
    QAction* mnuEditMusicProp;
    QMenu* mnuEditLong;
    QAction* mnuEditLonger10;
    QAction* mnuEditLonger50;
    QAction* mnuEditLonger100;
    QAction* mnuEditShorter10;
    QAction* mnuEditShorter20;
    QAction* mnuEditStatus;
    QMenu* mnuEditPart;
    QAction* mnuEditMorePart;
    QAction* mnuEditLessPart;
    QAction* mnuEditAdvance; // 入力後に次の位置へ
    QMenu* mnuListen;
    QAction* mnuListenListen;
    QMenu* mnuHelp;
    QAction* mnuHelpHelp;
    QAction* mnuHelpAbout;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void LayOutScoreArea();
    void Form_Resize();
    void mnuFileMidisave_Click();
    void mnuFileGmfsave_Click();
    void mnuFilePrint_Click();
    void mnuHelpHelp_Click();
    void mnuHelpAbout_Click();
    void Picture2_FileDropped(const QString& path);
    void Picture2_MouseDown(Qt::MouseButton button, QPointF position, QPoint globalPosition);
    bool Form_KeyDown(const QKeyEvent& event);
    void ConnectEditMenu();
    // Undo, redo, the clipboard and the selection (Form1Edit.cpp).
    void BuildHistoryAndClipboardItems();
    EditHistory::Step Step(const QString& label);
    void UpdateHistoryItems();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void GoTo(EditPlace place);
    void mnuEditCopy_Click();
    void mnuEditCut_Click();
    void mnuEditPaste_Click(bool insert);
    void mnuEditSelectAll_Click();
    void ClearSelectedPositions();
    void ExtendSelection();
    void Picture2_MouseDrag(QPointF position);
    void PaintSelection();
    void ShowStatusMessage(const QString& text);
    // Home, End and Ctrl+arrows: the cursor only moves (EntryAids).
    void JumpCursorTo(std::int32_t target);
    void UpdateClock();

    Services services_;
    SornData document_;
    std::unique_ptr<EditHistory> history_ = std::make_unique<EditHistory>(document_);
    Selection selection_;
    std::int32_t dragStart_ = -1;
    QTimer* statusMessageTimer_ = nullptr;
    QString entryText_; // the cursor's pitch and its bar's problem, when no message shows
    EditorState state_;
    // Exports and printing run here, ProgressBar1 showing how far they are.
    std::unique_ptr<BackgroundWork> work_;
    std::unique_ptr<Printer> ownPrinter_;
    Printer* printer_;
    std::string timbreName_; // the timbre chosen last; lasts for the run
    QTimer* clock_;
};

} // namespace sorn
