#pragma once
// The main window: the score area with its scroll bars, the key-hint and
// status bars, the two property buttons and the menu bar. It owns the one
// document and the editor state for the whole run.

#include "app/EditorState.h"
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

class FileDialogs;
class MessageBoxes;
class PanelBar;
class Printer;
class RecentFilesMenu;
class AutoSave;
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

    void RedrawScore();
    // New, Open or Save has finished: the score on screen is the one in the
    // named file (none for a new score), so its recovery copy is of no use
    // and the file goes to the top of the recent files.
    void DocumentSettled(const std::string& fileName);
    AutoSave& AutoSaver() { return *autoSave_; }
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
    QMenu* mnuFileRecent;
    QAction* mnuFileExit;
    QMenu* mnuEdit;
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
    void UpdateClock();

    Services services_;
    SornData document_;
    EditorState state_;
    std::unique_ptr<ProgressSink> progressSink_;
    std::unique_ptr<Printer> ownPrinter_;
    Printer* printer_;
    std::string timbreName_; // the timbre chosen last; lasts for the run
    QTimer* clock_;
    std::unique_ptr<AutoSave> autoSave_; // reads the document, so declared after it
    RecentFilesMenu* recentFiles_;
};

} // namespace sorn
