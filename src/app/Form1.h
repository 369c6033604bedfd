#pragma once
// The main window: the score area with its scroll bars, the key-hint and
// status bars, the two property buttons and the menu bar. It owns the one
// document and the editor state for the whole run.

#include "app/EditHistory.h"
#include "app/EditorState.h"
#include "app/PlaybackFollow.h"
#include "app/Selection.h"
#include "interchange/MusicXmlExport.h"
#include "layout/ScoreGrid.h"
#include "layout/ScoreLayout.h"
#include "layout/Timeline.h"
#include "model/SornData.h"
#include "platform/AudioExport.h"

#include <QMainWindow>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QKeyEvent;
class QFrame;
class QMenu;
class QPainter;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace sorn {

class BackgroundWork;
class FileDialogs;
class LyricEntry;
class ProgressSink;
class PitchNameEntry;
class MessageBoxes;
class NoteEcho;
class NoteSynth;
class Sequencer;
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
    EditHistory& History() { return *history_; }
    Selection& Selected() { return selection_; }
    // New and Open: a fresh history, nothing selected.
    void ForgetHistory();

    void RedrawScore();
    // The score area at percent (a step of kZoomSteps), remembered for the next run.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }
    // New, Open or Save has finished: the score on screen is the one in the
    // named file (none for a new score), so its recovery copy is of no use
    // and the file goes to the top of the recent files.
    void DocumentSettled(const std::string& fileName);
    AutoSave& AutoSaver() { return *autoSave_; }
    // Where printing goes; the real printer unless a test says otherwise.
    void UsePrinter(Printer& printer) { printer_ = &printer; }
    // Where audition plays and where entered notes sound; the real devices
    // unless a test says otherwise (Form1Listen.cpp).
    void UseSequencer(Sequencer& device, std::string listenFile);
    void UseNoteSynth(std::function<std::unique_ptr<NoteSynth>()> factory);
    // Where the audio exports of the File menu go; the engine's unless a
    // test records the calls (Form1Audio.cpp).
    struct AudioExports {
        std::function<std::string(const SornData&, const std::string&, const AudioSettings&,
                                  const AudioMix&, ProgressSink*)>
            whole = ExportAudio;
        std::function<std::string(const SornData&, const std::string&, AudioFormat,
                                  const AudioSettings&, double, bool, ProgressSink*,
                                  std::vector<std::string>*)>
            rehearsal = ExportRehearsalTracks;
    };
    void UseAudioExports(AudioExports exports) { audioExports_ = std::move(exports); }
    NoteEcho& Echo() { return *echo_; }
    LyricEntry& Lyrics() { return *lyrics_; }
    // The score area following an audition of a range: from Begin the mark
    // stands where the playing position (file ticks) says, End puts the view
    // back where it was.
    void BeginFollow(WalkRange range);
    void FollowPlayback(std::int32_t tick);
    void EndFollow();
    // The position the follow mark stands on, -1 when there is none.
    std::int32_t FollowMark() const { return follow_.active ? follow_.marked : -1; }
    // The cursor's position in the score: first visible position + column.
    std::int32_t CursorPosition() const;
    // Every part at once, aligned by time (表示 → 総譜), or the current part alone.
    bool FullScore() const;
    // Where the score area puts the score now, and what lies under a point.
    std::unique_ptr<ScoreLayout> ViewLayout();

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
    QAction* mnuFileAudiosave; // 音声で保存(全パート)
    QAction* mnuFileRehearsal; // パート練習用の音源
    QAction* mnuFileMidisave;
    QAction* mnuFileMusicXmlsave;
    QAction* mnuFileLilyPondsave;
    // How the MusicXML export writes repeats (Form1Interchange.cpp).
    QMenu* mnuFileUnfold;
    QAction* mnuFileUnfoldAuto;
    QAction* mnuFileUnfoldAlways;
    QAction* mnuFileUnfoldNever;
    QAction* mnuFilePrint;
    QMenu* mnuFileRecent;
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
    QAction* mnuEditLyrics; // 歌詞入力
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
    QMenu* mnuView;
    QAction* mnuViewZoomIn;
    QAction* mnuViewZoomOut;
    QAction* mnuViewZoomNormal;
    QAction* mnuViewFullScore = nullptr;
    QMenu* mnuViewLanguage = nullptr;
    QAction* mnuEditAdvance;    // 入力後に次の位置へ
    QAction* mnuEditPitchNames; // 音名入力モード
    QMenu* mnuListen;
    QAction* mnuListenListen;
    QAction* mnuListenFromCursor;
    QAction* mnuListenEcho;
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
    // After the view has narrowed: scrolls so the cursor keeps its position.
    void KeepCursorPosition();
    void Form_Resize();
    void mnuFileMidisave_Click();
    void mnuFileMusicXmlsave_Click();
    void mnuFileLilyPondsave_Click();
    void mnuFileGmfsave_Click();
    // Every part as heard, and a rehearsal track of each part (Form1Audio.cpp).
    void mnuFileAudiosave_Click();
    void mnuFileRehearsal_Click();
    // The bar empties; the status line names the file written, or a message says why not.
    // notice, when given, is said after the file's name.
    void ExportFinished(const std::string& path, const std::string& problem, bool cancelled,
                        const std::string& notice = {});
    void BuildUnfoldItems();
    UnfoldRepeats ChosenUnfold() const;
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
    // Multiplies the score area between two x of the score's pixels by a
    // tint, as a highlighter colours paper: white takes it, black stays.
    void TintScoreColumns(int left, int right, const QColor& tint, int top = 0,
                          int bottom = 1 << 20);
    void PaintSelection();
    void ShowStatusMessage(const QString& text);
    void ShowModeStatus(const QString& text);
    // Lyric entry moves the cursor, takes steps and names its verse in the status line.
    friend class LyricEntry;
    LyricEntry* lyrics_ = nullptr;
    friend class PitchNameEntry;
    std::unique_ptr<PitchNameEntry> pitchNames_;
    // The key tables at the top name the keys of the entry in use.
    void ShowKeyTables();
    // Audition, its follow mark and the sound of entered notes (Form1Listen.cpp).
    void BuildListenItems();
    void Listen(WalkRange range, bool everyPartFromItsTime = false);
    std::vector<WalkRange> PartsFromCursorTime();
    void mnuListenFromCursor_Click();
    void PaintFollowMark();
    void SoundEnteredNote(std::int32_t position);
    // Home, End and Ctrl+arrows: the cursor only moves (EntryAids).
    void JumpCursorTo(std::int32_t target);
    void UpdateClock();
    // The full score (Form1Score.cpp): its menu item, the frame that takes
    // the window's height, the columns kept in step with the score, and
    // moving to another part's staff at the cursor's time.
    void BuildFullScoreItem();
    void GrowForStaves();
    void PlaceScoreFrame();
    // The single view's height over the start-up size, for the zoom and the
    // verses of the part shown; FitScoreFrame follows a change of it.
    int SingleViewExtra() const;
    void FitScoreFrame();
    void SetClientHeight(int least, bool resizeTo);
    void UpdateWindowTitle();
    void UpdateGrid();
    void MoveToPart(std::uint8_t part);
    // The part of the score area a redraw must repaint: in the full score,
    // after a change to the cursor's part alone, only that part's band.
    QRect ScoreAreaToRepaint();
    void PlaceCursor(std::uint8_t part, std::int32_t position);

    Services services_;
    SornData document_;
    // The notated time of every position, kept from the history's changes.
    Timeline timeline_;
    // Tells the timeline of every change and keeps which part the changes
    // since the score area was last painted touched.
    class ChangeWatch final : public ChangeObserver {
    public:
        explicit ChangeWatch(Timeline& timeline) : timeline_(timeline) {}
        void Changing(const DocumentChange& change, bool undoing) override;
        // The one part changed since the last call; kNone or kMany.
        static constexpr int kNone = -1;
        static constexpr int kMany = -2;
        int TakeTouched() { return std::exchange(touched_, kNone); }

    private:
        Timeline& timeline_;
        int touched_ = kMany;
    };
    ChangeWatch changeWatch_{timeline_};
    // What the full score showed when last painted: the staves' columns and
    // the rows the cursor's staff reached, so a key repaints only its band.
    std::vector<std::int32_t> shownColumns_;
    QRect shownBand_;
    bool timelineStale_ = true;
    ScoreGrid grid_;
    std::uint8_t firstPart_ = 0; // the full score's top staff
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
    AudioExports audioExports_;
    QTimer* clock_;
    int zoom_ = 100;     // percent
    int shownExtra_ = 0; // the SingleViewExtra the window was last fitted to
    NoteEcho* echo_ = nullptr;
    PlaybackFollow follow_;
    Sequencer* testDevice_ = nullptr;
    bool silentAuditionTold_ = false;
    std::string testListenFile_;
    std::unique_ptr<AutoSave> autoSave_; // reads the document, so declared after it
    RecentFilesMenu* recentFiles_;
};

} // namespace sorn
