// The timbre dialog: what it lists, and the name each way of closing it leaves.

#include "dialogs/frmOnsyoku.h"
#include "sound/Timbre.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace sorn {
namespace {

TEST(OnsyokuDialog, ListsTheDefaultFirstAndSelectedThenHki2ThenHki) {
    test::TempDir dir;
    for (const char* name : {"Organ.hki2", "Clarinet.hki2", "Mine.hki", "notes.txt"})
        std::ofstream{dir.File(name)};
    frmOnsyoku dialog(dir.Path().string() + "/", "");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("音色"));
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("音色を選んでください"));
    EXPECT_EQ(dialog.Command2->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(dialog.Command1->isDefault());
    QStringList items;
    for (int i = 0; i < dialog.List1->count(); ++i)
        items << dialog.List1->item(i)->text();
    EXPECT_EQ(items, (QStringList{QStringLiteral("デフォルト\\Violin.hki"),
                                  QStringLiteral("Clarinet.hki2"), QStringLiteral("Organ.hki2"),
                                  QStringLiteral("Mine.hki")}));
    EXPECT_EQ(dialog.List1->currentRow(), 0);
}

TEST(OnsyokuDialog, EachWayOfClosingLeavesItsName) {
    enum Way { Ok, Cancel, Escape, Frame };
    auto closeWith = [](Way way) {
        QTimer::singleShot(0, [way] {
            auto* dialog = qobject_cast<frmOnsyoku*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->List1->setCurrentRow(1);
            if (way == Ok) QTest::mouseClick(dialog->Command1, Qt::LeftButton);
            if (way == Cancel) QTest::mouseClick(dialog->Command2, Qt::LeftButton);
            if (way == Escape) QTest::keyClick(dialog, Qt::Key_Escape);
            if (way == Frame) dialog->close();
        });
    };
    test::TempDir dir;
    const std::string app = dir.Path().string() + "/";
    std::ofstream{dir.File("Organ.hki2")};
    closeWith(Ok);
    EXPECT_EQ(ChooseTimbre(nullptr, app, ""), "Organ.hki2");
    closeWith(Cancel);
    EXPECT_EQ(ChooseTimbre(nullptr, app, "Organ.hki2"), TimbreCancel);
    closeWith(Escape);
    EXPECT_EQ(ChooseTimbre(nullptr, app, "Organ.hki2"), TimbreCancel);
    // The window frame keeps whatever was in force, even the empty name.
    closeWith(Frame);
    EXPECT_EQ(ChooseTimbre(nullptr, app, "Organ.hki2"), "Organ.hki2");
    closeWith(Frame);
    EXPECT_EQ(ChooseTimbre(nullptr, app, ""), "");
}

} // namespace
} // namespace sorn
