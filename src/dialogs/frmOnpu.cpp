#include "dialogs/frmOnpu.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/PreviewBox.h"
#include "dialogs/frmOnpuChogo.h"
#include "dialogs/frmOnpuHyousi.h"
#include "dialogs/frmSyosetsusen.h"
#include "model/SornData.h"
#include "render/StaffSigns.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorn {

namespace {

constexpr const char* kMainCaptions[] = {
    QT_TRANSLATE_NOOP("sorn::frmOnpu", "音符"),     QT_TRANSLATE_NOOP("sorn::frmOnpu", "休符"),
    QT_TRANSLATE_NOOP("sorn::frmOnpu", "音部記号"), QT_TRANSLATE_NOOP("sorn::frmOnpu", "拍子記号"),
    QT_TRANSLATE_NOOP("sorn::frmOnpu", "調号"),     QT_TRANSLATE_NOOP("sorn::frmOnpu", "指定なし")};
constexpr const char* kLengthCaptions[] = {QT_TRANSLATE_NOOP("sorn::frmOnpu", "全音符(休符)"),
                                           QT_TRANSLATE_NOOP("sorn::frmOnpu", "2分音符(休符)"),
                                           QT_TRANSLATE_NOOP("sorn::frmOnpu", "4分音符(休符)"),
                                           QT_TRANSLATE_NOOP("sorn::frmOnpu", "8分音符(休符)"),
                                           QT_TRANSLATE_NOOP("sorn::frmOnpu", "16分音符(休符)"),
                                           QT_TRANSLATE_NOOP("sorn::frmOnpu", "32分音符(休符)"),
                                           QT_TRANSLATE_NOOP("sorn::frmOnpu", "64分音符(休符)")};

struct Choice {
    const char* caption;
    std::uint8_t code;
};
constexpr Choice kClefs[] = {
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ト音記号"), ClefCode::G},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ヘ音記号"), ClefCode::F},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ハ音記号(アルト)"), ClefCode::CAlto},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ハ音記号(テノール)"), ClefCode::CTenor}};
// Index 2 stands for no accidental; its code is never written.
constexpr int kNoAccidental = 2;
constexpr Choice kAccidentals[] = {
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ダブルシャープ"), AccidentalCode::DoubleSharp},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "シャープ"), AccidentalCode::Sharp},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "記号なし"), 0},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "フラット"), AccidentalCode::Flat},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ダブルフラット"), AccidentalCode::DoubleFlat},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "ナチュラル"), AccidentalCode::Natural}};

// The lists carry the value they write; -1 writes nothing.
constexpr int kNoSymbol = -1;
struct ListItem {
    const char* text;
    int data;
};
constexpr ListItem kRepeatWords[] = {{QT_TRANSLATE_NOOP("sorn::frmOnpu", "(指定なし)"), kNoSymbol},
                                     {"D.C.", RepeatWordCode::DC},
                                     {"Da Capo", RepeatWordCode::DaCapo},
                                     {"Fine", RepeatWordCode::Fine}};
constexpr ListItem kDynamicsMarks[] = {
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "(指定なし)"), kNoSymbol},
    {"pppp", DynamicsCode::pppp},
    {"ppp", DynamicsCode::ppp},
    {"pp", DynamicsCode::pp},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "p(ピアノ)"), DynamicsCode::p},
    {"mp", DynamicsCode::mp},
    {"mf", DynamicsCode::mf},
    {QT_TRANSLATE_NOOP("sorn::frmOnpu", "f(フォルテ)"), DynamicsCode::f},
    {"ff", DynamicsCode::ff},
    {"fff", DynamicsCode::fff},
    {"ffff", DynamicsCode::ffff}};

// The staff of the preview and where its signs stand.
constexpr float kStaffLeft = 20;
constexpr float kStaffRight = 123;
constexpr float kTimeSignatureColumn = 50; // cells at x = 40
constexpr float kBarLineColumn = 70;       // bar line at x = 90

// Index of the choice carrying `code`, or -1.
template <std::size_t N> int IndexOf(const Choice (&choices)[N], std::uint8_t code) {
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i].code == code) return static_cast<int>(i);
    return -1;
}

// An exclusive group refuses to uncheck its last checked button.
void SelectNone(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

QButtonGroup* AddOptions(QWidget* owner, QGridLayout* grid, const char* const* captions, int count,
                         int rows) {
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(QCoreApplication::translate("sorn::frmOnpu", captions[i]));
        group->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
    }
    return group;
}

template <std::size_t N> void FillList(QComboBox* list, const ListItem (&items)[N]) {
    for (const ListItem& item : items)
        list->addItem(QCoreApplication::translate("sorn::frmOnpu", item.text), item.data);
    list->setCurrentIndex(0);
}

int ListData(const QComboBox* list) {
    const QVariant data = list->currentData();
    return data.isValid() ? data.toInt() : kNoSymbol;
}

void SelectData(QComboBox* list, int data) {
    const int index = list->findData(data);
    if (index >= 0) list->setCurrentIndex(index);
}

// Keeps its room in the layout while hidden, so that the frames sharing one
// place do not make the dialog jump.
void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

frmOnpu::frmOnpu(const SornData& document, std::uint8_t part, std::int32_t position,
                 std::uint8_t cursorPitch, QWidget* parent)
    : QDialog(parent), doc_(document), part_(part), position_(position), cursorPitch_(cursorPitch) {
    BuildControls();
    Form_Load();
}

void frmOnpu::BuildControls() {
    setWindowTitle(tr("音符の情報"));
    BuildKindFrames();
    QVBoxLayout* middle = BuildPitchFrame();
    QGridLayout* lists = BuildLists();
    QVBoxLayout* barLines = BuildBarLineFrame();

    Command1 = new QPushButton(tr("決定"));
    Command2 = new QPushButton(tr("キャンセル"));
    Command3 = new QPushButton(tr("音符の全削除"));
    auto* buttons = ButtonColumn(Command1, Command2);
    buttons->addWidget(Command3);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(12);
    grid->addWidget(Frame1, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(buttons, 0, 2, 2, 1);
    grid->addLayout(lists, 1, 0, Qt::AlignTop);
    grid->addLayout(barLines, 1, 1);

    connect(Option2, &QButtonGroup::idClicked, this, [this] { UpdateDisplay(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { UpdateDisplay(); });
    connect(cmdEdit, &QPushButton::clicked, this, &frmOnpu::cmdEdit_Click);
    connect(cmdSyosetsuSen, &QPushButton::clicked, this, &frmOnpu::cmdSyosetsuSen_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOnpu::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOnpu::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOnpu::BuildKindFrames() {
    Frame1 = new QGroupBox(tr("音符の種類"));
    Frame2 = new QGroupBox(tr("音符・休符"));
    Option2 = AddOptions(this, new QGridLayout(Frame2), kMainCaptions, 6, 3);

    Frame3 = new QGroupBox(tr("長さ"));
    Option1 = AddOptions(this, new QGridLayout(Frame3), kLengthCaptions, 7, 4);
    SelectButton(Option1, LengthCode::Quarter - 1);

    Frame4 = new QGroupBox(tr("記号の種類"));
    auto* clefs = new QGridLayout(Frame4);
    const char* clefCaptions[std::size(kClefs)];
    for (std::size_t i = 0; i < std::size(kClefs); ++i)
        clefCaptions[i] = kClefs[i].caption;
    Option4 = AddOptions(this, clefs, clefCaptions, std::size(kClefs), 2);
    clefs->setRowStretch(2, 1);
    SelectButton(Option4, 0);

    cmdEdit = new QPushButton(tr("編集button"));

    // Frame3, Frame4 and cmdEdit take turns in one place below Frame2.
    auto* turns = new QWidget;
    auto* turnsGrid = new QGridLayout(turns);
    turnsGrid->setContentsMargins(0, 0, 0, 0);
    turnsGrid->addWidget(Frame3, 0, 0);
    turnsGrid->addWidget(Frame4, 0, 0);
    turnsGrid->addWidget(cmdEdit, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    for (QWidget* w : {static_cast<QWidget*>(Frame3), static_cast<QWidget*>(Frame4),
                       static_cast<QWidget*>(cmdEdit)})
        KeepRoomWhenHidden(w);

    auto* frame1Layout = new QVBoxLayout(Frame1);
    frame1Layout->addWidget(Frame2);
    frame1Layout->addWidget(turns);
    frame1Layout->addStretch(1);
}

QVBoxLayout* frmOnpu::BuildPitchFrame() {
    Frame5 = new QGroupBox(tr("高さ"));
    auto* accidentals = new QGridLayout(Frame5);
    const char* accidentalCaptions[std::size(kAccidentals)];
    for (std::size_t i = 0; i < std::size(kAccidentals); ++i)
        accidentalCaptions[i] = kAccidentals[i].caption;
    Option6 = AddOptions(this, accidentals, accidentalCaptions, std::size(kAccidentals), 6);
    SelectButton(Option6, kNoAccidental);

    Check1 = new QCheckBox(tr("小節線"));
    Check2 = new QCheckBox(tr("付点"));
    Check3 = new QCheckBox(tr("タイ"));
    Check4 = new QCheckBox(tr("連桁"));
    auto* marks = new QGridLayout;
    marks->addWidget(Check1, 0, 0);
    marks->addWidget(Check2, 0, 1);
    marks->addWidget(Check3, 1, 0);
    marks->addWidget(Check4, 1, 1);

    auto* middle = new QVBoxLayout;
    middle->addWidget(Frame5);
    middle->addLayout(marks);
    middle->addStretch(1);
    return middle;
}

QGridLayout* frmOnpu::BuildLists() {
    Label1 = new QLabel(tr("繰り返しに関する記号"));
    cmbKurikaeshi = new QComboBox;
    Label2 = new QLabel(tr("フォルテ・ピアノ"));
    cmbFp = new QComboBox;
    Label1->setBuddy(cmbKurikaeshi);
    Label2->setBuddy(cmbFp);
    auto* lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(cmbKurikaeshi, 0, 1);
    lists->addWidget(Label2, 1, 0);
    lists->addWidget(cmbFp, 1, 1);
    return lists;
}

QVBoxLayout* frmOnpu::BuildBarLineFrame() {
    picPreview = new PreviewBox;
    cmdSyosetsuSen = new QPushButton(tr("小節線の設定"));
    auto* barLines = new QVBoxLayout;
    barLines->addWidget(picPreview);
    barLines->addWidget(cmdSyosetsuSen);
    return barLines;
}

void frmOnpu::Form_Load() {
    FillList(cmbKurikaeshi, kRepeatWords);
    FillList(cmbFp, kDynamicsMarks);

    // Slots are read in order; where two set the same control the later wins.
    for (std::int16_t slot = 0; slot < SlotCount; ++slot) {
        const std::uint8_t kind = doc_.GetGSyurui(part_, position_, slot);
        const std::uint8_t value = doc_.GetGAtai(part_, position_, slot);
        if (IsNote(kind)) {
            SelectButton(Option2, kNote);
            SelectButton(Option1, kind - 1);
            notePresent_ = true;
            continue;
        }
        switch (kind) {
        case Kind::Rest:
            SelectButton(Option2, kRest);
            if (value >= LengthCode::Whole && value <= LengthCode::SixtyFourth)
                SelectButton(Option1, value - 1);
            break;
        case Kind::BarLine:
            Check1->setChecked(true);
            mbytD_SyosetsuSen_Atai = value;
            break;
        case Kind::Accidental:
            if (value != 0) SelectButton(Option6, IndexOf(kAccidentals, value));
            break;
        case Kind::Dot:
            if (value == MarkPresent) Check2->setChecked(true);
            break;
        case Kind::Dynamics:
            SelectData(cmbFp, value);
            break;
        case Kind::Clef:
            SelectButton(Option2, kClef);
            SelectButton(Option4, IndexOf(kClefs, value));
            break;
        case Kind::Tie:
            if (value == MarkPresent) Check3->setChecked(true);
            break;
        case Kind::TimeSignature:
            SelectButton(Option2, kTimeSignature);
            mbytD_Hyoushi_Atai = value;
            break;
        case Kind::KeySignature:
            SelectButton(Option2, kKeySignature);
            mbytD_Chogo_Atai = value;
            break;
        case Kind::RepeatWord:
            SelectData(cmbKurikaeshi, value);
            break;
        case Kind::Beam:
            Check4->setChecked(true);
            break;
        default:
            break;
        }
    }
    UpdateDisplay();
}

void frmOnpu::UpdateDisplay() {
    const int main = Option2->checkedId(); // -1 when none is selected
    const bool noteOrRest = main == kNote || main == kRest;
    Frame3->setVisible(noteOrRest);
    Frame4->setVisible(main == kClef);
    // Disabling a frame disables its option buttons with it.
    Frame5->setEnabled(main == kNote);
    Check2->setEnabled(noteOrRest);
    cmdEdit->setVisible(main == kTimeSignature || main == kKeySignature);
    if (main == kTimeSignature) cmdEdit->setText(tr("拍子の編集"));
    if (main == kKeySignature) cmdEdit->setText(tr("調号の編集"));
    picPreview->Draw([this](Canvas& canvas) { DrawPreview(canvas); });
}

void frmOnpu::DrawPreview(Canvas& canvas) const {
    canvas.Clear();
    canvas.SetLineWidth(1);
    for (int line = 0; line < 5; ++line) {
        const float y =
            static_cast<float>(kPreviewLayout.StaffTop + 2 * line * kPreviewLayout.StepHeight);
        canvas.Line(kStaffLeft, y, kStaffRight, y);
    }
    if (Option2->checkedId() == kTimeSignature)
        DrawTimeSignature(canvas, kPreviewLayout, mbytD_Hyoushi_Atai, kTimeSignatureColumn, 0);
    if (Check1->isChecked())
        DrawBarLine(canvas, kPreviewLayout, mbytD_SyosetsuSen_Atai,
                    kBarLineColumn + BarAcross(kPreviewLayout, 0), 0);
}

void frmOnpu::cmdEdit_Click() {
    const int main = Option2->checkedId();
    if (main == kTimeSignature) {
        frmOnpuHyousi dialog(*this);
        dialog.exec();
    } else if (main == kKeySignature) {
        frmOnpuChogo dialog(*this);
        dialog.exec();
    } else {
        return;
    }
    UpdateDisplay();
}

void frmOnpu::cmdSyosetsuSen_Click() {
    frmSyosetsusen dialog(*this);
    dialog.exec();
    UpdateDisplay();
}

// Clears the symbol itself; tie, beam, repeat word and dynamics stay chosen.
void frmOnpu::Command3_Click() {
    for (QButtonGroup* group : {Option1, Option2, Option4, Option6})
        SelectNone(group);
    Check1->setChecked(false);
    Check2->setChecked(false);
    UpdateDisplay();
}

void frmOnpu::Command1_Click() {
    const std::uint8_t oldValue = doc_.GetGAtai(part_, position_, 0);

    // A group left without a selection leaves its kind or value at 0.
    std::uint8_t kind = Kind::Empty;
    std::uint8_t value = 0;
    const int length = Option1->checkedId();
    switch (Option2->checkedId()) {
    case kNote:
        if (length >= 0) kind = static_cast<std::uint8_t>(length + 1);
        value = notePresent_ ? oldValue : cursorPitch_;
        break;
    case kRest:
        kind = Kind::Rest;
        if (length >= 0) value = static_cast<std::uint8_t>(length + 1);
        break;
    case kClef:
        kind = Kind::Clef;
        if (Option4->checkedId() >= 0) value = kClefs[Option4->checkedId()].code;
        break;
    case kTimeSignature:
        kind = Kind::TimeSignature;
        value = mbytD_Hyoushi_Atai;
        break;
    case kKeySignature:
        kind = Kind::KeySignature;
        value = mbytD_Chogo_Atai;
        break;
    default:
        break;
    }
    chosen_ = {{kind, value}};

    // The position will be empty, so each lands in the next free slot in this order.
    const int accidental = Option6->checkedId();
    if (accidental >= 0 && accidental != kNoAccidental)
        chosen_.push_back({Kind::Accidental, kAccidentals[accidental].code});
    if (Check2->isChecked()) chosen_.push_back({Kind::Dot, MarkPresent});
    if (Check1->isChecked()) chosen_.push_back({Kind::BarLine, mbytD_SyosetsuSen_Atai});
    const int repeatWord = ListData(cmbKurikaeshi);
    if (repeatWord != kNoSymbol)
        chosen_.push_back({Kind::RepeatWord, static_cast<std::uint8_t>(repeatWord)});
    const int dynamics = ListData(cmbFp);
    if (dynamics != kNoSymbol)
        chosen_.push_back({Kind::Dynamics, static_cast<std::uint8_t>(dynamics)});
    if (Check3->isChecked()) chosen_.push_back({Kind::Tie, MarkPresent});
    if (Check4->isChecked()) chosen_.push_back({Kind::Beam, MarkPresent});
    accept();
}

} // namespace sorn
