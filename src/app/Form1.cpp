#include "app/Form1.h"
#include "app/Language.h"

#include "app/Audition.h"
#include "app/AutoSave.h"
#include "app/CommandLine.h"
#include "app/EntryAids.h"
#include "app/ExportDialogs.h"
#include "app/Exports.h"
#include "app/MdMain.h"
#include "app/PanelBar.h"
#include "app/PitchNameEntry.h"
#include "app/RecentFiles.h"
#include "app/Recovery.h"
#include "app/ScoreArea.h"
#include "app/ScoreAreaRedraw.h"
#include "app/Version.h"
#include "app/WindowGeometry.h"
#include "app/WindowSettings.h"
#include "app/Zoom.h"
#include "app/frmAbout.h"
#include "dialogs/Form3.h"
#include "dialogs/frmOnsyoku.h"
#include "platform/BackgroundWork.h"
#include "platform/DataFolder.h"
#include "platform/EditorSettings.h"
#include "platform/FileDialogs.h"
#include "platform/GlyphSet.h"
#include "platform/MessageText.h"
#include "platform/PainterCanvas.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "platform/Shell.h"
#include "sound/SornWav.h"
#include "sound/Timbre.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTime>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <span>

namespace sorn {

namespace {

constexpr int kStatusBar1Height = 25;
constexpr int kPicture1Top = 33;
constexpr int kPicture1Height = 176;
constexpr int kButtonTop = 216;
constexpr int kEntryPanel = 2; // the status line's free panel, shared with short messages
const QString kAdvanceSetting = QStringLiteral("edit/advanceAfterInput");
const QString kPitchNamesSetting = QStringLiteral("edit/pitchNameEntry");

// The key tables of the one-key entry and of entry by pitch names.
constexpr const char* kValueKeys[] = {
    QT_TRANSLATE_NOOP("sorn::Form1", "A 全●"),   QT_TRANSLATE_NOOP("sorn::Form1", "S 2●"),
    QT_TRANSLATE_NOOP("sorn::Form1", "D 4●"),    QT_TRANSLATE_NOOP("sorn::Form1", "F 8●"),
    QT_TRANSLATE_NOOP("sorn::Form1", "G 16●"),   QT_TRANSLATE_NOOP("sorn::Form1", "H 32●"),
    QT_TRANSLATE_NOOP("sorn::Form1", "J 64●"),   QT_TRANSLATE_NOOP("sorn::Form1", "Shift 休符"),
    QT_TRANSLATE_NOOP("sorn::Form1", "Q ♭♭"),    QT_TRANSLATE_NOOP("sorn::Form1", "W ♭"),
    QT_TRANSLATE_NOOP("sorn::Form1", "E 互"),    QT_TRANSLATE_NOOP("sorn::Form1", "R ♯"),
    QT_TRANSLATE_NOOP("sorn::Form1", "T ♯♯"),    QT_TRANSLATE_NOOP("sorn::Form1", "Space ｜"),
    QT_TRANSLATE_NOOP("sorn::Form1", "Del 削除")};
constexpr const char* kValueMarks[] = {QT_TRANSLATE_NOOP("sorn::Form1", "Z 付点"),
                                       QT_TRANSLATE_NOOP("sorn::Form1", "1 タイ"),
                                       QT_TRANSLATE_NOOP("sorn::Form1", "3 音符を繋ぐ"),
                                       "4 pp",
                                       "5 p",
                                       "6 mp",
                                       "7 mf ",
                                       "8 f ",
                                       "9 ff "};
constexpr const char* kPitchNameKeys[] = {
    QT_TRANSLATE_NOOP("sorn::Form1", "C ド"),   QT_TRANSLATE_NOOP("sorn::Form1", "D レ"),
    QT_TRANSLATE_NOOP("sorn::Form1", "E ミ"),   QT_TRANSLATE_NOOP("sorn::Form1", "F ファ"),
    QT_TRANSLATE_NOOP("sorn::Form1", "G ソ"),   QT_TRANSLATE_NOOP("sorn::Form1", "A ラ"),
    QT_TRANSLATE_NOOP("sorn::Form1", "B シ"),   QT_TRANSLATE_NOOP("sorn::Form1", "1〜7 長さ"),
    QT_TRANSLATE_NOOP("sorn::Form1", ". 付点"), QT_TRANSLATE_NOOP("sorn::Form1", "0 休符"),
    QT_TRANSLATE_NOOP("sorn::Form1", "Q ♭♭"),   QT_TRANSLATE_NOOP("sorn::Form1", "W ♭"),
    QT_TRANSLATE_NOOP("sorn::Form1", "= ♮"),    QT_TRANSLATE_NOOP("sorn::Form1", "R ♯"),
    QT_TRANSLATE_NOOP("sorn::Form1", "T ♯♯")};
constexpr const char* kPitchNameMarks[] = {QT_TRANSLATE_NOOP("sorn::Form1", "↑↓ 1段"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Ctrl+↑↓ 1オクターブ"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Space ｜"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Del 削除"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Z 付点"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Enter 記号"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Ctrl+K 歌詞"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "Shift+↑↓ パート"),
                                           QT_TRANSLATE_NOOP("sorn::Form1", "N 終わる")};

std::vector<PanelBar::Panel> Panels(std::span<const char* const> texts) {
    std::vector<PanelBar::Panel> panels;
    for (const char* text : texts)
        panels.push_back({QCoreApplication::translate("sorn::Form1", text)});
    return panels;
}

} // namespace

Form1::Form1(Services services, std::string appPath)
    : services_(services), ownPrinter_(std::make_unique<QtPrinter>(kProgramNameAndVersion)),
      printer_(ownPrinter_.get()) {
    BuildControls();
    BuildMenus();
    ConnectEditMenu();
    pitchNames_ = std::make_unique<PitchNameEntry>(*this);
    ShowKeyTables();
    qApp->installEventFilter(this);
    history_->SetObserver(&changeWatch_);

    // Start-up, in the order the rest of the program relies on.
    work_ = std::make_unique<BackgroundWork>(ProgressBar1);
    UpdateWindowTitle();
    if (appPath.empty() || appPath.back() != '/') appPath += '/';
    state_.AppPath = std::move(appPath);
    state_.Layout = StaffLayout{};
    LayOutScoreArea();

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const int percent = StoredZoom(); percent != 100) SetZoom(percent);
    RestoreWindowPlacement(*this);
    autoSave_ = std::make_unique<AutoSave>(document_, state_, nullptr);
}

Form1::~Form1() {
    // The history clears its steps as it goes, after the texts the window
    // would refresh from are gone.
    history_->Stack().disconnect(this);
    RemoveScratchFiles();
}

void Form1::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setMinimumSize(240, kClientHeight);

    StatusBar2 = new PanelBar(Panels(kValueKeys), client);
    StatusBar2->setGeometry(0, 0, kClientWidth, 17);
    StatusBar3 = new PanelBar(Panels(kValueMarks), client);
    StatusBar3->setGeometry(0, 17, kClientWidth, 16);

    Picture1 = new QFrame(client);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(kPicture1Border);
    Picture1->setGeometry(0, kPicture1Top, kClientWidth, kPicture1Height);
    Picture2 = new ScoreArea(Picture1);
    FlatScrollBar1 = new QScrollBar(Qt::Horizontal, Picture1);
    FlatScrollBar2 = new QScrollBar(Qt::Vertical, Picture1);
    for (QScrollBar* bar : {FlatScrollBar1, FlatScrollBar2}) {
        bar->setRange(0, 0);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(FlatScrollBar1, &QScrollBar::valueChanged, this, [this] { RedrawScore(); });
    connect(FlatScrollBar2, &QScrollBar::valueChanged, this, [this](int value) {
        if (FullScore())
            MoveToPart(static_cast<std::uint8_t>(value));
        else
            state_.CurrentPart = static_cast<std::uint8_t>(value);
        RedrawScore();
    });
    connect(Picture2, &ScoreArea::FileDropped, this, &Form1::Picture2_FileDropped);

    cmdMusic = new QPushButton(tr("曲の情報"), client);
    cmdPart = new QPushButton(tr("パートの情報"), client);
    // The widths fit the Japanese captions; a longer translation widens its
    // button and moves the next one along by as much.
    int left = 16;
    for (const auto& [button, width] : {std::pair{cmdMusic, 73}, std::pair{cmdPart, 89}}) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 16;
        button->setGeometry(left, kButtonTop, std::max(width, needed), 25);
        left = button->geometry().right() + 1 + 15;
        button->setFocusPolicy(Qt::NoFocus);
    }

    StatusBar1 = new PanelBar({{QString(), 100},
                               {QString(), 16},
                               {QString(), 110},
                               {QString(), 120, true},
                               {QString(), 56}},
                              client);
    StatusBar1->setGeometry(0, kClientHeight - kStatusBar1Height, kClientWidth, kStatusBar1Height);
    ProgressBar1 = new QProgressBar(client);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setGeometry(0, kClientHeight - kStatusBar1Height + 1, 98, kStatusBar1Height);

    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, &Form1::UpdateClock);
    clock_->start(1000);
    UpdateClock();
}

void Form1::BuildMenus() {
    auto item = [this](QMenu* menu, const QString& caption, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(shortcut);
        return action;
    };
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(tr("ファイル(&F)"));
    mnuFileNew = item(mnuFile, tr("新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = item(mnuFile, tr("開く(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = item(mnuFile, tr("保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileGmfsave = item(mnuFile, tr("WAVで保存(&W)"));
    mnuFileAudiosave = item(mnuFile, tr("音声で保存(全パート)(&A)..."));
    mnuFileRehearsal = item(mnuFile, tr("パート練習用の音源(&R)..."));
    mnuFileMidisave = item(mnuFile, tr("MIDIで保存(&M)"));
    mnuFileMusicXmlsave = item(mnuFile, tr("MusicXMLで保存(&L)"));
    mnuFileLilyPondsave = item(mnuFile, tr("LilyPondで保存(&Y)"));
    BuildUnfoldItems();
    mnuFile->addSeparator();
    mnuFilePrint = item(mnuFile, tr("印刷(P)"));
    mnuFile->addSeparator();
    mnuFileRecent = mnuFile->addMenu(tr("最近使ったファイル"));
    recentFiles_ = new RecentFilesMenu(mnuFileRecent, services_.boxes, [this](const QString& path) {
        MdMain::Open(*this, path.toStdString());
    });
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, tr("終了(&X)"));

    mnuEdit = bar->addMenu(tr("編集(&E)"));
    BuildHistoryAndClipboardItems();
    mnuEditOnpu = item(mnuEdit, tr("選択している音符の情報を見る"));
    mnuEditLyrics = item(mnuEdit, tr("歌詞入力(&L)"), QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuEdit->addSeparator();
    mnuEditInsertspace = item(mnuEdit, tr("スペースの挿入"), QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuEditDeletespace = item(mnuEdit, tr("スペースの削除"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuEdit->addSeparator();
    mnuEditMusicProp = item(mnuEdit, tr("曲の情報"));
    mnuEditLong = mnuEdit->addMenu(tr("曲の長さ"));
    mnuEditLonger10 = item(mnuEditLong, tr("曲を長くする(10)"));
    mnuEditLonger50 = item(mnuEditLong, tr("曲を長くする(50)"));
    mnuEditLonger100 = item(mnuEditLong, tr("曲を長くする(100)"));
    mnuEditLong->addSeparator();
    mnuEditShorter10 = item(mnuEditLong, tr("曲を短くする(10)"));
    mnuEditShorter20 = item(mnuEditLong, tr("曲を短くする(20)"));
    mnuEdit->addSeparator();
    mnuEditStatus = item(mnuEdit, tr("パートの情報"));
    mnuEditPart = mnuEdit->addMenu(tr("パート数"));
    mnuEditMorePart = item(mnuEditPart, tr("パート数を増やす"));
    mnuEditLessPart = item(mnuEditPart, tr("現在のパートを削除"));
    mnuEdit->addSeparator();
    mnuEditAdvance = item(mnuEdit, tr("入力後に次の位置へ"));
    mnuEditAdvance->setCheckable(true);
    mnuEditAdvance->setChecked(EditorSettings().value(kAdvanceSetting, false).toBool());
    connect(mnuEditAdvance, &QAction::toggled, this,
            [](bool on) { EditorSettings().setValue(kAdvanceSetting, on); });
    // The key N turns it on and off as well; the item's text says so.
    mnuEditPitchNames = item(mnuEdit, tr("音名入力モード\tN"));
    mnuEditPitchNames->setCheckable(true);
    mnuEditPitchNames->setChecked(EditorSettings().value(kPitchNamesSetting, false).toBool());
    connect(mnuEditPitchNames, &QAction::toggled, this, [this](bool on) {
        EditorSettings().setValue(kPitchNamesSetting, on);
        ShowKeyTables();
        RedrawScore();
    });

    mnuView = bar->addMenu(tr("表示(&V)"));
    mnuViewZoomIn = item(mnuView, tr("拡大"));
    // Ctrl++ needs Shift on most keyboards; Ctrl+= is the same key without it.
    mnuViewZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuViewZoomOut = item(mnuView, tr("縮小"), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuViewZoomNormal = item(mnuView, tr("等倍"), QKeySequence(Qt::CTRL | Qt::Key_0));
    BuildFullScoreItem();
    mnuViewLanguage = AddLanguageMenu(mnuView, services_.boxes);

    mnuListen = bar->addMenu(tr("試聴(&L)"));
    mnuListenListen = item(mnuListen, tr("試聴(&L)"), QKeySequence(Qt::CTRL | Qt::Key_L));
    BuildListenItems();

    mnuHelp = bar->addMenu(tr("ヘルプ(&H)"));
    mnuHelpHelp = item(mnuHelp, tr("ヘルプ(&H)"));
    mnuHelp->addSeparator();
    mnuHelpAbout = item(mnuHelp, tr("バージョン情報(&A)"));

    connect(mnuFileNew, &QAction::triggered, this, [this] { MdMain::New(*this); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] { MdMain::Open(*this, {}); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { MdMain::Save(*this); });
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuFileMidisave, &QAction::triggered, this, &Form1::mnuFileMidisave_Click);
    connect(mnuFileMusicXmlsave, &QAction::triggered, this, &Form1::mnuFileMusicXmlsave_Click);
    connect(mnuFileLilyPondsave, &QAction::triggered, this, &Form1::mnuFileLilyPondsave_Click);
    connect(mnuFileGmfsave, &QAction::triggered, this, &Form1::mnuFileGmfsave_Click);
    connect(mnuFileAudiosave, &QAction::triggered, this, &Form1::mnuFileAudiosave_Click);
    connect(mnuFileRehearsal, &QAction::triggered, this, &Form1::mnuFileRehearsal_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &Form1::mnuFilePrint_Click);
    connect(mnuListenListen, &QAction::triggered, this, [this] { Listen({}); });
    connect(mnuViewZoomIn, &QAction::triggered, this, [this] { SetZoom(ZoomedIn(zoom_)); });
    connect(mnuViewZoomOut, &QAction::triggered, this, [this] { SetZoom(ZoomedOut(zoom_)); });
    connect(mnuViewZoomNormal, &QAction::triggered, this, [this] { SetZoom(100); });
    connect(mnuHelpHelp, &QAction::triggered, this, &Form1::mnuHelpHelp_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
}

// Places the scroll bars and the score area inside Picture1's border.
void Form1::LayOutScoreArea() {
    const QRect inner = Picture1->contentsRect();
    const int H = inner.height();
    const int W = inner.width();
    FlatScrollBar1->setGeometry(inner.left(), inner.top() + H - kScrollBarSize, W - kScrollBarSize,
                                kScrollBarSize);
    Picture2->setGeometry(inner.left(), inner.top(), W - kScrollBarSize, H - kScrollBarSize);
    FlatScrollBar2->setGeometry(inner.left() + W - kScrollBarSize, inner.top(), kScrollBarSize,
                                H - kScrollBarSize);
}

void Form1::Form_Load(std::string_view commandLine) {
    const std::string name = FileNameFromCommandLine(commandLine);
    if (name.empty() || MdMain::Open(*this, name) != 0 || !document_.HasParts()) MdMain::New(*this);
    // A full score remembered from the last run shows its staves from the start.
    if (FullScore()) {
        GrowForStaves();
        PlaceScoreFrame();
        RedrawScore();
    }
    // Asked once the window is up, so the question has the editor behind it.
    QTimer::singleShot(0, this, [this] { OfferRecovery(*this); });
}

void Form1::DocumentSettled(const std::string& fileName) {
    UpdateWindowTitle();
    autoSave_->Discard();
    if (fileName.empty()) return;
    AddRecentFile(QString::fromStdString(fileName));
    recentFiles_->Rebuild();
}

// Widths follow the window; heights stay as start-up set them.
void Form1::Form_Resize() {
    if (isMinimized()) return;
    const int W = centralWidget()->width();
    const int H = centralWidget()->height();
    const int scoreWidth = ScoreAreaWidth(W);
    StatusBar2->resize(W, StatusBar2->height());
    StatusBar3->resize(W, StatusBar3->height());
    Picture1->resize(W, Picture1->height());
    const QRect inner = Picture1->contentsRect();
    FlatScrollBar2->move(inner.left() + scoreWidth, FlatScrollBar2->y());
    Picture2->resize(scoreWidth, Picture2->height());
    FlatScrollBar1->resize(scoreWidth, FlatScrollBar1->height());
    StatusBar1->setGeometry(0, H - kStatusBar1Height, W, kStatusBar1Height);
    ProgressBar1->move(0, H - StatusBar1->height() + 1);
    PlaceScoreFrame();
    KeepCursorPosition();
    RedrawScore();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (centralWidget()) Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (MdMain::AskToSave(*this) == 1) {
        event->ignore();
        return;
    }
    CloseAudition(); // nothing keeps playing once the editor is gone
    autoSave_->Discard();
    RememberWindowPlacement(*this);
    event->accept();
}

// The score area grows in height with the zoom, so that the staff, the
// dynamics and the repeat words stay inside it; what lies below moves down.
void Form1::SetZoom(int percent) {
    zoom_ = percent;
    StoreZoom(percent);
    shownExtra_ = SingleViewExtra();
    SetClientHeight(kClientHeight + shownExtra_, true);
    mnuViewZoomIn->setEnabled(percent < kZoomSteps[std::size(kZoomSteps) - 1]);
    mnuViewZoomOut->setEnabled(percent > kZoomSteps[0]);
    KeepCursorPosition();
    RedrawScore();
}

// The single view's frame is as tall as the zoom makes its one staff; the
// full score takes the window's height for its staves. The buttons stay
// under the frame.
void Form1::PlaceScoreFrame() {
    const int single = kPicture1Height + SingleViewExtra();
    const int below = kClientHeight - kPicture1Top - kPicture1Height;
    const int height =
        FullScore() ? std::max(centralWidget()->height() - kPicture1Top - below, single) : single;
    Picture1->resize(Picture1->width(), height);
    for (QPushButton* button : {cmdMusic, cmdPart})
        button->move(button->x(), kButtonTop + height - kPicture1Height);
    LayOutScoreArea();
}

int Form1::SingleViewExtra() const {
    const int verses = document_.HasParts() ? document_.VerseCount(state_.CurrentPart) : 0;
    return ScoreAreaExtra(zoom_, verses);
}

// The part shown has gained or lost a line of lyrics: the frame follows, and
// the window with it when it is as low as it may be (a window the user made
// taller keeps its height as long as the frame fits).
void Form1::FitScoreFrame() {
    const int extra = SingleViewExtra();
    if (extra == shownExtra_) return;
    const int before = kClientHeight + std::exchange(shownExtra_, extra);
    const int now = centralWidget()->height();
    SetClientHeight(kClientHeight + extra, !isMaximized() && !isFullScreen() &&
                                               (now == before || now < kClientHeight + extra));
}

// The least height of the window's inside, and the height itself when asked.
void Form1::SetClientHeight(int least, bool resizeTo) {
    QWidget* client = centralWidget();
    client->setMinimumHeight(least);
    PlaceScoreFrame();
    if (!resizeTo) return;
    // The window's own least size follows its layout only once that has
    // run; until then it would keep a window from growing smaller.
    if (layout()) layout()->activate();
    resize(width(), height() - client->height() + least);
}

// The score's title, else its file's name, marked while it has changes.
void Form1::UpdateWindowTitle() {
    QString name = QString::fromStdString(document_.Text(ScoreText::Title)).simplified();
    if (name.isEmpty() && !document_.SornFileName().empty())
        name = QFileInfo(QString::fromStdString(document_.SornFileName())).fileName();
    if (name.isEmpty()) name = tr("無題");
    setWindowTitle(name + (state_.ScoreModified ? QStringLiteral("*") : QString()) +
                   tr(" — SORN楽譜エディタ"));
}

// Fewer columns fit after zooming in or narrowing the window. The cursor
// bounds would pull the cursor back a column for each one lost, and the next
// note key would then write over a neighbour; the view scrolls instead.
void Form1::KeepCursorPosition() {
    if (!document_.HasParts()) return;
    const auto windowWidth = static_cast<float>(centralWidget()->width() * 100.0 / zoom_);
    const int last = std::max(VisibleColumns(state_.Layout, windowWidth), 1) - 1;
    if (state_.CursorColumn <= last) return;
    const std::int32_t position = CursorPosition();
    {
        const QSignalBlocker blocker(FlatScrollBar1);
        FlatScrollBar1->setValue(position - last);
    }
    state_.CursorColumn = static_cast<std::int16_t>(position - FlatScrollBar1->value());
}

// Marks drawn over the score area after the redraw, in the score's own
// pixels whatever the zoom. The edges round as a filled rectangle's do.
void Form1::TintScoreColumns(int left, int right, const QColor& tint, int top, int bottom) {
    QImage& image = Picture2->Image();
    const double scale = zoom_ / 100.0 * image.devicePixelRatio();
    const int from = std::max(0, qRound(left * scale));
    const int to = std::min(image.width(), qRound(right * scale));
    const int firstRow = std::max(0, qRound(top * scale));
    const int endRow = static_cast<int>(std::min<double>(image.height(), bottom * scale));
    if (from >= to || firstRow >= endRow) return;
    TintPixels(image, QRect(from, firstRow, to - from, endRow - firstRow), tint.rgb());
}

void Form1::RedrawScore() {
    UpdateWindowTitle();
    if (!document_.HasParts()) return;
    if (!FullScore()) FitScoreFrame();
    HorizontalScroll scroll{FlatScrollBar1->value(), FlatScrollBar1->maximum()};
    StatusTexts texts;
    QImage& image = Picture2->Image();
    // Everything below is in the score's own pixels, the width included.
    const double zoom = zoom_ / 100.0;
    const auto windowWidth = static_cast<float>(centralWidget()->width() / zoom);
    // The full score settles its view first: a key that changed only the
    // cursor's staff draws and repaints only the rows that staff reaches.
    QRect dirty = Picture2->rect();
    DrawnRows rows;
    if (FullScore()) {
        UpdateGrid();
        KeepFullScoreCursorInside(document_, grid_, state_, scroll, firstPart_,
                                  static_cast<float>(Picture2->width() / zoom),
                                  static_cast<float>(Picture2->height() / zoom));
        if (scroll.value != FlatScrollBar1->value()) {
            const QSignalBlocker blocker(FlatScrollBar1);
            FlatScrollBar1->setValue(scroll.value);
        }
        dirty = ScoreAreaToRepaint();
        if (dirty != Picture2->rect())
            rows = {static_cast<float>(dirty.top() / zoom),
                    static_cast<float>((dirty.bottom() + 1) / zoom)};
    } else {
        ScoreAreaToRepaint();
    }
    auto draw = [&](Canvas& canvas) {
        if (!FullScore()) return RedrawScoreArea(document_, state_, scroll, windowWidth, canvas);
        return RedrawFullScoreArea(document_, grid_, state_, scroll, firstPart_, canvas, true,
                                   rows);
    };
    if (zoom_ == 100 && image.devicePixelRatio() == 1) {
        // The bitmap drawing, pixel for pixel.
        QtCanvas canvas(image, GlyphSet::Shared());
        if (dirty != Picture2->rect()) canvas.ClipTo(dirty);
        texts = draw(canvas);
    } else {
        // Vectors at the screen's resolution and the zoom.
        QPainter painter(&image);
        const double ratio = image.devicePixelRatio();
        if (dirty != Picture2->rect())
            painter.setClipRect(
                QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
        painter.scale(zoom, zoom);
        PainterCanvas canvas(painter, static_cast<float>(Picture2->width() / zoom),
                             static_cast<float>(Picture2->height() / zoom), GlyphSet::Shared());
        texts = draw(canvas);
    }
    // This pass has drawn the new view already; the scroll bar's own
    // notification would only draw it again.
    if (scroll.value != FlatScrollBar1->value()) {
        const QSignalBlocker blocker(FlatScrollBar1);
        FlatScrollBar1->setValue(scroll.value);
    }
    PaintSelection();
    PaintFollowMark();
    const auto canvasWidth = static_cast<float>(Picture2->width() * 100.0 / zoom_);
    const auto layout = ViewLayout();
    const std::int32_t pastView =
        FullScore() ? layout->PositionAt(state_.CurrentPart, canvasWidth) + 1
                    : scroll.value + std::max(VisibleColumns(state_.Layout, canvasWidth), 1);
    const EntryStatus entry = EntryStatusOf(document_, state_, scroll.value, pastView);
    PaintBadBars(Picture2->Image(), zoom_ / 100.0, entry.badBars, *layout, state_.CurrentPart);
    entryText_ = QString::fromStdString(entry.text);
    if (mnuEditPitchNames->isChecked())
        entryText_ = pitchNames_->StatusText() + QStringLiteral("  ") + entryText_;
    if (!statusMessageTimer_->isActive()) StatusBar1->SetPanelText(kEntryPanel, entryText_);
    Picture2->update(dirty);
    StatusBar1->SetPanelText(3, QString::fromStdString(texts.position));
    StatusBar1->SetPanelText(4, QString::fromStdString(texts.part));
}

void Form1::mnuFileMidisave_Click() {
    auto path = services_.dialogs.SaveFile(MidiFileDialog(document_));
    if (!path) return;
    std::string problem;
    work_->Run([&](ProgressSink& progress) {
        problem = Text(ExportMidi(document_, *path, &progress)).toStdString();
    });
    ExportFinished(*path, problem, work_->Cancelled());
}

void Form1::mnuFileMusicXmlsave_Click() {
    auto path = services_.dialogs.SaveFile(MusicXmlFileDialog(document_));
    if (!path) return;
    const UnfoldRepeats unfold = ChosenUnfold();
    std::string problem;
    work_->Run([&](ProgressSink& progress) {
        problem = Text(ExportMusicXmlFile(document_, *path, &progress, unfold)).toStdString();
    });
    ExportFinished(*path, problem, work_->Cancelled(),
                   Text(UnfoldedNotice(document_, unfold)).toStdString());
}

void Form1::mnuFileLilyPondsave_Click() {
    auto path = services_.dialogs.SaveFile(LilyPondFileDialog(document_));
    if (!path) return;
    std::string problem;
    work_->Run([&](ProgressSink& progress) {
        problem = Text(ExportLilyPondFile(document_, *path, &progress)).toStdString();
    });
    ExportFinished(*path, problem, work_->Cancelled());
}

void Form1::mnuFileGmfsave_Click() {
    timbreName_ = ChooseTimbre(this, state_.AppPath, timbreName_);
    if (timbreName_ == TimbreCancel) return;
    auto path = services_.dialogs.SaveFile(WavFileDialog(document_, state_.CurrentPart));
    if (!path) return;
    std::string problem;
    work_->Run([&](ProgressSink& progress) {
        problem = ExportWav(document_, state_.CurrentPart, state_.AppPath, timbreName_, *path,
                            &progress, DrawnLanguage());
    });
    ExportFinished(*path, problem, work_->Cancelled());
}

// A full bar after the work would pass for work still to finish.
void Form1::ExportFinished(const std::string& path, const std::string& problem, bool cancelled,
                           const std::string& notice) {
    ProgressBar1->setValue(ProgressBar1->minimum());
    if (!problem.empty())
        services_.boxes.Show(problem, MsgButtons::Ok, MsgIcon::None);
    else if (cancelled)
        ShowStatusMessage(tr("書き出しを中止しました"));
    else
        ShowStatusMessage(
            tr("書き出しました: ") + QFileInfo(QString::fromStdString(path)).fileName() +
            (notice.empty() ? QString() : QStringLiteral("  ") + QString::fromStdString(notice)));
}

void Form1::mnuFilePrint_Click() {
    Form3 dialog(
        document_, state_.CurrentPart,
        PrintServices{*printer_, services_.dialogs, services_.shell, services_.boxes, ProgressBar1},
        this);
    dialog.exec();
}

void Form1::mnuHelpHelp_Click() {
    // The English page when the interface is English and the page is there.
    std::string path = state_.AppPath + "help/help_en.htm";
    std::error_code ec;
    if (!InterfaceIsEnglish() || !std::filesystem::is_regular_file(path, ec))
        path = state_.AppPath + "help/help.htm";
    const std::string text =
        tr("ヘルプのページを開けませんでした。ブラウザーで次のファイルを開いてください。\n%1")
            .arg(QString::fromStdString(path))
            .toStdString();
    services_.shell.Open(path, [&boxes = services_.boxes, text] {
        boxes.Show(text, MsgButtons::Ok, MsgIcon::Warning);
    });
}

void Form1::mnuHelpAbout_Click() {
    frmAbout dialog(this);
    dialog.exec();
}

// Opened once the drop has finished, so the save question is not asked
// while the dragging program still waits for an answer.
void Form1::Picture2_FileDropped(const QString& path) {
    QTimer::singleShot(0, this, [this, name = path.toStdString()] { MdMain::Open(*this, name); });
}

void Form1::ShowKeyTables() {
    const bool names = mnuEditPitchNames->isChecked();
    const std::span<const char* const> keys = names ? std::span(kPitchNameKeys) : kValueKeys;
    const std::span<const char* const> marks = names ? std::span(kPitchNameMarks) : kValueMarks;
    for (std::size_t i = 0; i < keys.size(); ++i)
        StatusBar2->SetPanelText(static_cast<int>(i) + 1,
                                 QCoreApplication::translate("sorn::Form1", keys[i]));
    for (std::size_t i = 0; i < marks.size(); ++i)
        StatusBar3->SetPanelText(static_cast<int>(i) + 1,
                                 QCoreApplication::translate("sorn::Form1", marks[i]));
}

void Form1::UpdateClock() {
    StatusBar1->SetPanelText(StatusBar1->PanelCount(),
                             QTime::currentTime().toString(QStringLiteral("H:mm")));
}

} // namespace sorn
