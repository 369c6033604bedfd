#pragma once
// The audition window "試聴": four buttons that drive the sequencer and a
// strip that fills from the left as the song plays. The window can open
// while the device is still starting, which may take long; it says so in
// its caption meanwhile.

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>

class QPushButton;
class QTimer;

namespace sorn {

class Sequencer;

// A picture box with a user coordinate system. What is drawn stays until
// Cls, as on a picture box that keeps its drawing.
class ProgressStrip : public QFrame {
public:
    explicit ProgressStrip(QWidget* parent);

    // Maps (x1, y1) to the top left of the drawing area and (x2, y2) to its
    // bottom right.
    void Scale(double x1, double y1, double x2, double y2);
    // The outline of the box with corners (x1, y1) and (x2, y2), in the
    // drawing colour.
    void LineBox(double x1, double y1, double x2, double y2);
    void Cls();
    // The drawing area as it is now, one pixel per pixel.
    const QImage& Image();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Fit();
    QPoint ToPixels(double x, double y) const;

    QImage image_;
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
};

class Form4 : public QDialog {
public:
    // The device is opened by the caller and closed when the window unloads.
    explicit Form4(Sequencer& device, QWidget* parent = nullptr);
    // The same on a device shared with the thread OpenDevice starts, which
    // may outlive the window.
    explicit Form4(std::shared_ptr<Sequencer> device, QWidget* parent = nullptr);
    ~Form4() override;

    // The window open now, if any.
    static Form4* Current();

    // Opens the device off the window's thread. Meanwhile a play asked for
    // is kept until it is ready, and closing the window leaves the device to
    // be closed when its opening ends. `opened` is told, on the window's
    // thread, once the device can be asked; it may close the window.
    void OpenDevice(std::function<void()> opened);
    // False while the device is still being opened.
    bool Ready() const { return !opening_; }

    void Command1_Click(); // "試聴終了"
    void Command2_Click(); // "再生"
    void Command3_Click(); // "一時停止"
    void Command4_Click(); // "始めから再生"
    void MMControl1_StatusUpdate();

    QPushButton* Command4;
    QPushButton* Command2;
    QPushButton* Command3;
    ProgressStrip* Picture1;
    QPushButton* Command1;

    // Told every playing position the strip shows, so whatever follows the
    // music runs on the same clock as the strip.
    std::function<void(std::int32_t position)> PositionShown;

    // How often the device's status notification comes, in milliseconds.
    static constexpr int StatusInterval = 50;

protected:
    // Every way of closing the window passes here: it is the unload.
    void done(int result) override;

private:
    struct Opening;
    void Form_Unload();

    std::shared_ptr<Sequencer> device_;
    Sequencer& MMControl1;
    QTimer* statusTimer_;
    bool unloaded_ = false;
    std::shared_ptr<Opening> opening_; // while the device is being opened
    bool playWhenReady_ = false;
};

} // namespace sorn
