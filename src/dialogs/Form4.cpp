#include "dialogs/Form4.h"

#include "platform/Sequencer.h"
#include "platform/SoundThreads.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace sorn {

namespace {

// Layouts are given in twips.
constexpr int Px(int twips) {
    return twips / 15;
}

QPushButton* Button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(Px(left), Px(top), Px(width), Px(height));
    button->setAutoDefault(false);
    return button;
}

QPointer<Form4> current;

QString Caption() {
    return QCoreApplication::translate("sorn::Form4", "試聴");
}

} // namespace

// Who closes a device whose opening ends after the window has gone: the
// thread that opened it.
struct Form4::Opening {
    std::mutex lock;
    bool done = false;
    bool abandoned = false;
};

ProgressStrip::ProgressStrip(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void ProgressStrip::Fit() {
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (image_.size() == size) return;
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(palette().color(QPalette::Button));
    if (!image_.isNull()) QPainter(&fitted).drawImage(0, 0, image_);
    image_ = fitted;
}

void ProgressStrip::Scale(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

QPoint ProgressStrip::ToPixels(double x, double y) const {
    const double w = x2_ == x1_ ? 1 : x2_ - x1_;
    const double h = y2_ == y1_ ? 1 : y2_ - y1_;
    // Far outside the strip is as good as just outside it, and stays an int.
    const auto pixel = [](double v, int size) {
        return static_cast<int>(std::lround(std::clamp(v, -1.0, 2.0) * size));
    };
    return {pixel((x - x1_) / w, image_.width()), pixel((y - y1_) / h, image_.height())};
}

void ProgressStrip::LineBox(double x1, double y1, double x2, double y2) {
    Fit();
    const QPoint a = ToPixels(x1, y1);
    const QPoint b = ToPixels(x2, y2);
    QPainter painter(&image_);
    painter.setPen(palette().color(QPalette::WindowText));
    const QPoint corners[] = {a, {b.x(), a.y()}, b, {a.x(), b.y()}, a};
    painter.drawPolyline(corners, 5);
    update();
}

void ProgressStrip::Cls() {
    Fit();
    image_.fill(palette().color(QPalette::Button));
    update();
}

const QImage& ProgressStrip::Image() {
    Fit();
    return image_;
}

void ProgressStrip::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    Fit();
    QPainter(this).drawImage(contentsRect().topLeft(), image_);
}

Form4::Form4(Sequencer& device, QWidget* parent)
    : Form4(std::shared_ptr<Sequencer>(std::shared_ptr<Sequencer>(), &device), parent) {}

Form4::Form4(std::shared_ptr<Sequencer> device, QWidget* parent)
    : QDialog(parent), device_(std::move(device)), MMControl1(*device_) {
    setWindowTitle(Caption());
    setFixedSize(Px(3375), Px(1935));
    // The caption wraps onto two lines, which is why this button is taller.
    Command4 = Button(this, QCoreApplication::translate("sorn::Form4", "始めから\n再生"), 120, 120,
                      975, 495);
    Command2 =
        Button(this, QCoreApplication::translate("sorn::Form4", "再生"), 1200, 240, 975, 375);
    Command3 =
        Button(this, QCoreApplication::translate("sorn::Form4", "一時停止"), 2280, 240, 975, 375);
    Picture1 = new ProgressStrip(this);
    Picture1->setGeometry(Px(120), Px(840), Px(3135), Px(255));
    Command1 =
        Button(this, QCoreApplication::translate("sorn::Form4", "試聴終了"), 960, 1440, 1455, 375);
    Command4->setAccessibleName(QCoreApplication::translate("sorn::Form4", "始めから再生"));

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    statusTimer_ = new QTimer(this);
    statusTimer_->setInterval(StatusInterval);
    connect(statusTimer_, &QTimer::timeout, this, [this] { MMControl1_StatusUpdate(); });
    statusTimer_->start();

    // Quitting the program silences the device first, so nothing plays on.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { Form_Unload(); });
    current = this;
}

Form4::~Form4() {
    Form_Unload();
}

Form4* Form4::Current() {
    return current.data();
}

void Form4::OpenDevice(std::function<void()> opened) {
    statusTimer_->stop();
    setWindowTitle(QCoreApplication::translate("sorn::Form4", "%1（準備中…）").arg(Caption()));
    opening_ = std::make_shared<Opening>();
    StartOffThread(
        this,
        [device = device_, opening = opening_] {
            device->Open();
            std::lock_guard hold(opening->lock);
            opening->done = true;
            if (opening->abandoned) device->Close();
        },
        [this, opened = std::move(opened)] {
            opening_.reset();
            if (unloaded_) return;
            setWindowTitle(Caption());
            statusTimer_->start();
            if (opened) opened();
            if (playWhenReady_ && !unloaded_) MMControl1.Play();
        });
}

void Form4::Command1_Click() {
    close();
}

void Form4::Command2_Click() {
    if (opening_) {
        playWhenReady_ = true;
        return;
    }
    MMControl1.Play();
}

void Form4::Command3_Click() {
    if (opening_) {
        playWhenReady_ = false;
        return;
    }
    MMControl1.Stop();
}

void Form4::Command4_Click() {
    if (opening_) {
        playWhenReady_ = true;
        return;
    }
    MMControl1.Prev();
    MMControl1.Play();
    Picture1->Cls();
}

void Form4::MMControl1_StatusUpdate() {
    if (opening_) return;
    const std::int32_t position = MMControl1.Position();
    Picture1->LineBox(0, 0, position, 1);
    if (PositionShown) PositionShown(position);
}

void Form4::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void Form4::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    statusTimer_->stop();
    if (opening_) {
        std::lock_guard hold(opening_->lock);
        if (!opening_->done) {
            opening_->abandoned = true;
            return;
        }
    }
    MMControl1.Close();
}

} // namespace sorn
