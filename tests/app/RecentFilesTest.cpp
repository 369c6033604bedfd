// ファイル → 最近使ったファイル: which scores are listed, in which order, and
// what choosing one does.

#include "app/RecentFiles.h"
#include "EditorFixture.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

TEST(RecentFiles, NewestFirstEachFileOnceAtMostTen) {
    QStringList ten;
    for (int i = 9; i >= 0; --i)
        ten << QStringLiteral("/s/%1.sorn").arg(i);
    struct Case {
        QStringList before;
        QString added;
        QStringList after;
    };
    const Case cases[] = {
        {{}, "/s/a.sorn", {"/s/a.sorn"}},
        {{"/s/a.sorn"}, "/s/b.sorn", {"/s/b.sorn", "/s/a.sorn"}},
        {{"/s/b.sorn", "/s/a.sorn"}, "/s/a.sorn", {"/s/a.sorn", "/s/b.sorn"}},
        {{"/s/b.sorn", "/s/a.sorn"}, "/s/x/../a.sorn", {"/s/a.sorn", "/s/b.sorn"}},
        {ten, "/s/new.sorn", QStringList{"/s/new.sorn"} + ten.mid(0, 9)},
        {ten, "/s/0.sorn", QStringList{"/s/0.sorn"} + ten.mid(0, 9)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithRecentFile(c.before, c.added), c.after) << c.added.toStdString();
}

TEST(RecentFiles, OpenedAndSavedScoresAreListedAndAGoneOneIsRemoved) {
    TempDir dir;
    const std::string a = dir.File("a.sorn"), b = dir.File("b.sorn");
    std::filesystem::copy_file(Example(), a);
    Editor e(a);
    e.dialogs.answers = {b};
    e.form->mnuFileSave->trigger();
    const QList<QAction*> items = e.form->mnuFileRecent->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&1 b.sorn"));
    EXPECT_EQ(items[0]->statusTip(), QString::fromStdString(b));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&2 a.sorn"));

    // Choosing one asks about unsaved changes first, then opens it.
    e.EnterNote();
    e.boxes.answers = {MsgResult::No};
    items[1]->trigger();
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.doc().SornFileName(), a);
    EXPECT_EQ(RecentFiles(), QStringList({QString::fromStdString(a), QString::fromStdString(b)}));

    // A file that has gone is taken off the list with a message; the score stays.
    std::filesystem::remove(b);
    e.form->mnuFileRecent->actions().at(1)->trigger();
    ASSERT_EQ(e.boxes.shown.size(), 2u);
    EXPECT_NE(e.boxes.shown[1].text.find(b), std::string::npos);
    EXPECT_EQ(RecentFiles(), QStringList({QString::fromStdString(a)}));
    EXPECT_EQ(e.form->mnuFileRecent->actions().size(), 1);
    EXPECT_EQ(e.doc().SornFileName(), a);
}

} // namespace
} // namespace sorn::test
