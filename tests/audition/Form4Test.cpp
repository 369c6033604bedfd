// The window "試聴" with a recording device: its layout, what each button
// sends, and the strip the status notification draws.

#include "dialogs/Form4.h"
#include "AuditionSupport.h"

#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

// Dark pixels of one row of the strip, as a string of '#' and '.'.
std::string Row(ProgressStrip& strip, int y) {
    const QImage& image = strip.Image();
    std::string row;
    for (int x = 0; x < image.width(); ++x)
        row += qGray(image.pixel(x, y)) < 96 ? '#' : '.';
    return row;
}

TEST(Form4Layout, CaptionControlsAndSizesInPixels) {
    RecordingSequencer device;
    Form4 form(device);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("試聴"));
    EXPECT_EQ(form.size(), QSize(225, 129));
    EXPECT_EQ(form.Command4->geometry(), QRect(8, 8, 65, 33));
    EXPECT_EQ(form.Command2->geometry(), QRect(80, 16, 65, 25));
    EXPECT_EQ(form.Command3->geometry(), QRect(152, 16, 65, 25));
    EXPECT_EQ(form.Picture1->geometry(), QRect(8, 56, 209, 17));
    EXPECT_EQ(form.Command1->geometry(), QRect(64, 96, 97, 25));
    EXPECT_EQ(form.Command4->text().remove('\n'), QStringLiteral("始めから再生"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("再生"));
    EXPECT_EQ(form.Command3->text(), QStringLiteral("一時停止"));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("試聴終了"));
    EXPECT_EQ(form.Picture1->Image().size(), QSize(205, 13)); // inside the sunken border
    EXPECT_TRUE(device.calls.empty());                        // nothing plays by itself
}

// Each button sends its requests in order; "試聴終了" unloads the window,
// which closes the device exactly once.
TEST(Form4Handlers, ButtonsDriveTheDevice) {
    RecordingSequencer device;
    Form4 form(device);
    form.show();
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"Play", "Stop", "Prev", "Play"}));

    QSignalSpy finished(&form, &QDialog::finished);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(device.calls.back(), "Close");
    const int queries = device.positionQueries;
    QTest::qWait(3 * Form4::StatusInterval);
    EXPECT_EQ(device.positionQueries, queries); // no notifications after unloading
}

// The outline from (0, 0) to (p, 1) in a strip scaled to (0, 0)-(1000, 1):
// old outlines stay, so the strip fills from the left; only "始めから再生"
// clears it.
TEST(Form4Strip, FillsFromTheLeftUntilRestart) {
    RecordingSequencer device;
    Form4 form(device);
    form.Picture1->Scale(0, 0, device.length, 1);
    const int width = form.Picture1->Image().width(); // 205

    device.position = 200;
    form.MMControl1_StatusUpdate();
    const int x200 = static_cast<int>(std::lround(200.0 * width / 1000)); // 41
    std::string expected(width, '.');
    expected[0] = expected[x200] = '#';
    EXPECT_EQ(Row(*form.Picture1, 6), expected);
    EXPECT_EQ(Row(*form.Picture1, 0),
              std::string(x200 + 1, '#') + std::string(width - x200 - 1, '.'));

    device.position = 500;
    form.MMControl1_StatusUpdate();
    const int x500 = static_cast<int>(std::lround(500.0 * width / 1000));
    expected[x500] = '#';
    EXPECT_EQ(Row(*form.Picture1, 6), expected);

    QTest::mouseClick(form.Command4, Qt::LeftButton);
    EXPECT_EQ(Row(*form.Picture1, 6), std::string(width, '.'));
    EXPECT_EQ(Row(*form.Picture1, 0), std::string(width, '.'));
}

} // namespace
} // namespace sorn::test
