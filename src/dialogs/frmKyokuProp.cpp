#include "dialogs/frmKyokuProp.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/TextBoxNumber.h"
#include "dialogs/WordsText.h"
#include "model/MessageBoxes.h"
#include "model/SornData.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace sorn {

namespace {
constexpr double kMaxTempo = 32767;
} // namespace

std::optional<std::int16_t> TempoFromText(const QString& text) {
    // The default rounding mode takes a half to the even neighbour.
    const double tempo = std::nearbyint(TextBoxNumber(text));
    if (!(tempo >= 1 && tempo <= kMaxTempo)) return std::nullopt;
    return static_cast<std::int16_t>(tempo);
}

frmKyokuProp::frmKyokuProp(const SornData& document, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), boxes_(boxes), length_(document.Length()), speed_(document.Speed()) {
    setWindowTitle(tr("曲の情報"));

    Label1 = new QLabel(tr("速さ(メトロノーム)"));
    Text1 = new QLineEdit(QStringLiteral("60"));
    Label2 = new QLabel(tr("曲の長さ(音符の数)"));
    Command3 = new QPushButton(QStringLiteral("-10"));
    Command4 = new QPushButton(QStringLiteral("-1"));
    Label3 = new QLabel;
    Label3->setAlignment(Qt::AlignCenter);
    Command5 = new QPushButton(QStringLiteral("+1"));
    Command6 = new QPushButton(QStringLiteral("+10"));
    Command1 = new QPushButton(QStringLiteral("OK"));
    Command2 = new QPushButton(tr("キャンセル"));
    Label1->setBuddy(Text1);

    // The length buttons are short; a narrow width keeps the row compact.
    const int stepWidth = Command6->fontMetrics().horizontalAdvance(QStringLiteral("+10")) + 28;
    for (QPushButton* step : {Command3, Command4, Command5, Command6}) {
        step->setFixedWidth(stepWidth);
        step->setAutoDefault(false);
    }
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    Label3->setMinimumWidth(Label3->fontMetrics().horizontalAdvance(QStringLiteral("000000")));

    auto* values = new QGridLayout;
    values->setVerticalSpacing(8);
    values->addWidget(Label1, 0, 0, 1, 3);
    values->addWidget(Text1, 0, 3, 1, 2, Qt::AlignLeft);
    values->addWidget(Label2, 1, 0, 1, 5);
    values->addWidget(Command3, 2, 0);
    values->addWidget(Command4, 2, 1);
    values->addWidget(Label3, 2, 2);
    values->addWidget(Command5, 2, 3);
    values->addWidget(Command6, 2, 4);
    values->setRowMinimumHeight(1, Label2->sizeHint().height() + 8);
    values->setAlignment(Label2, Qt::AlignBottom);

    auto* buttons = ButtonColumn(Command1, Command2);

    // The words below the tempo and length, which keep their places: the
    // text boxes take the width those leave.
    static constexpr const char* kCaptions[ScoreTextCount] = {
        QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "曲名"),
        QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "副題"),
        QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "作曲"),
        QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "作詞"),
        QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "編曲"),
        QT_TRANSLATE_NOOP("sorn::frmKyokuProp", "著作権")};
    auto* words = new QFormLayout;
    words->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    words->setVerticalSpacing(8);
    for (int i = 0; i < ScoreTextCount; ++i) {
        const auto which = static_cast<ScoreText>(i);
        WordsLabel[static_cast<std::size_t>(i)] =
            new QLabel(QCoreApplication::translate("sorn::frmKyokuProp", kCaptions[i]));
        QLineEdit*& text = WordsText[static_cast<std::size_t>(i)];
        text = new QLineEdit(QString::fromStdString(document.Text(which)));
        text->setCursorPosition(0);
        WordsLabel[static_cast<std::size_t>(i)]->setBuddy(text);
        words->addRow(WordsLabel[static_cast<std::size_t>(i)], text);
    }

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(values);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(words);

    Text1->setText(QString::number(speed_));
    Label3->setText(QString::number(length_));

    connect(Command3, &QPushButton::clicked, this, [this] { ChangeLength(-10); });
    connect(Command4, &QPushButton::clicked, this, [this] { ChangeLength(-1); });
    connect(Command5, &QPushButton::clicked, this, [this] { ChangeLength(1); });
    connect(Command6, &QPushButton::clicked, this, [this] { ChangeLength(10); });
    connect(Command1, &QPushButton::clicked, this, &frmKyokuProp::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void frmKyokuProp::ChangeLength(std::int32_t delta) {
    length_ += delta;
    // Shortening stops at the shortest score, lengthening at the longest
    // the editor can address.
    if (delta < 0 && length_ < MinLength) length_ = MinLength;
    if (length_ > MaxLength) length_ = MaxLength;
    Label3->setText(QString::number(length_));
}

void frmKyokuProp::Command1_Click() {
    const std::optional<std::int16_t> tempo = TempoFromText(Text1->text());
    if (!tempo) {
        boxes_.Show(tr(kTempoOutOfRange).toStdString(), MsgButtons::Ok, MsgIcon::Warning);
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    std::array<std::string, ScoreTextCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QLineEdit* box = WordsText[i];
        texts[i] = box->text().toStdString();
        if (texts[i].size() > MaxTextBytes) {
            boxes_.Show(TooLongText(WordsLabel[i]->text(), MaxTextBytes), MsgButtons::Ok,
                        MsgIcon::Warning);
            box->setFocus();
            box->selectAll();
            return;
        }
    }
    speed_ = *tempo;
    texts_ = std::move(texts);
    accept();
}

} // namespace sorn
