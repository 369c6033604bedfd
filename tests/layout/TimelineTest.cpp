// The timeline kept from the document's changes equals one read afresh,
// whatever the edits, undos and redos in between, and so do the full
// score's columns made again from the earliest time each edit touched.

#include "layout/Timeline.h"
#include "layout/ScoreGrid.h"
#include "model/DocumentChange.h"
#include "model/SymbolCodes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace sorn {
namespace {

// The edit history of a window, reduced to what the timeline needs: every
// change reported goes to the step being made and to the timeline.
class History : public ChangeJournal {
public:
    explicit History(SornData& doc, Timeline& timeline) : doc_(doc), timeline_(timeline) {
        doc_.SetJournal(this);
    }
    ~History() override { doc_.SetJournal(nullptr); }
    void Record(DocumentChange&& change) override {
        timeline_.Changing(change, false);
        open_.Add(std::move(change));
    }
    void EndStep() {
        if (!open_.Empty()) steps_.push_back(std::move(open_));
        open_ = {};
        redo_.clear();
    }
    void Undo() {
        if (steps_.empty()) return;
        steps_.back().Undo(doc_, &timeline_);
        redo_.push_back(std::move(steps_.back()));
        steps_.pop_back();
    }
    void Redo() {
        if (redo_.empty()) return;
        redo_.back().Redo(doc_, &timeline_);
        steps_.push_back(std::move(redo_.back()));
        redo_.pop_back();
    }

private:
    SornData& doc_;
    Timeline& timeline_;
    ChangeSet open_;
    std::vector<ChangeSet> steps_;
    std::vector<ChangeSet> redo_;
};

void ExpectSame(const Timeline& kept, const SornData& doc, int step) {
    const Timeline fresh(doc);
    ASSERT_EQ(kept.PartCount(), fresh.PartCount()) << "step " << step;
    ASSERT_EQ(kept.Length(), fresh.Length()) << "step " << step;
    for (int p = 0; p < fresh.PartCount(); ++p) {
        const auto a = kept.Onsets(static_cast<std::uint8_t>(p));
        const auto b = fresh.Onsets(static_cast<std::uint8_t>(p));
        ASSERT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()))
            << "step " << step << ", part " << p;
    }
}

TEST(Timeline, OnsetsAddUpNotatedLengths) {
    SornData doc;
    doc.FileNew();
    doc.SetGData1(0, 0, 0, Kind::Clef, ClefCode::G);      // no time
    doc.SetGData1(0, 1, 0, Kind::QuarterNote, 128);       // 256
    doc.SetGData1(0, 2, 0, Kind::Rest, LengthCode::Half); // 512, dotted: 768
    doc.CheckGData1(0, 2, Kind::Dot, MarkPresent);
    doc.CheckGData1(0, 3, Kind::BarLine, BarLineCode::RepeatEnd); // read as written
    doc.SetGData1(0, 4, 0, Kind::EighthNote, 130);
    const Timeline t(doc);
    EXPECT_EQ(t.Onset(0, 1), 0);
    EXPECT_EQ(t.Onset(0, 2), 256);
    EXPECT_EQ(t.Onset(0, 3), 256 + 768);
    EXPECT_EQ(t.Onset(0, 5), 256 + 768 + 128);
    EXPECT_EQ(t.Onset(0, doc.Length() + 1), 256 + 768 + 128);
    EXPECT_EQ(t.PositionAt(0, 256), 2);
    EXPECT_EQ(t.PositionAt(0, 300), 3);
    EXPECT_LE(t.MemoryBytes(), sizeof(Timeline) + 8 * (doc.Length() + 2) + 64);
}

TEST(Timeline, KeptFromChangesEqualsReadAfresh) {
    std::mt19937 random(20261208);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    Timeline timeline(doc);
    History history(doc, timeline);
    ScoreGrid grid(doc, timeline);
    for (int step = 0; step < 2000; ++step) {
        const auto part = static_cast<std::uint8_t>(pick(doc.PartCount()));
        const std::int32_t iti = pick(doc.Length() + 1);
        switch (pick(12)) {
        case 0:
        case 1:
        case 2: // a note or a rest, sometimes dotted
            doc.SetGData1(part, iti, 0,
                          pick(2) ? static_cast<std::uint8_t>(1 + pick(7)) : Kind::Rest,
                          static_cast<std::uint8_t>(1 + pick(7)));
            if (pick(3) == 0) doc.CheckGData1(part, iti, Kind::Dot, MarkPresent);
            break;
        case 3: // a sign, or nothing at all
            doc.SetGData1(part, iti, 0, pick(2) ? Kind::Clef : Kind::Empty, ClefCode::G);
            break;
        case 4: // a paste: room made, then written
            for (std::int32_t k = 0, n = doc.InsertSpaces(part, iti, 1 + pick(4)); k < n; ++k)
                doc.SetGData1(part, iti + k, 0, Kind::QuarterNote, 128);
            break;
        case 5:
            doc.InsertSpace(part, iti);
            break;
        case 6:
            doc.DeleteSpace(part, iti);
            if (pick(2)) doc.DeleteSpace(part, std::min(iti, doc.Length()));
            break;
        case 7: // a shortening cuts notes off, its undo brings them back
            if (pick(2))
                doc.SetGData1(part, doc.Length() - pick(3), 0, Kind::HalfNote, 128);
            else
                doc.SetLength(doc.Length() + pick(9) - 4);
            break;
        case 8:
            if (pick(4) == 0) doc.PartCount() < 4 ? doc.AddPart() : doc.DeletePart(part);
            break;
        case 9:
        case 10:
            history.Undo();
            break;
        default:
            history.Redo();
            break;
        }
        history.EndStep();
        timeline.Update(doc);
        ExpectSame(timeline, doc, step);
        if (HasFatalFailure()) return;

        // The columns: asked for part of the way, then all of them.
        const std::int64_t changed = timeline.TakeChangedFrom();
        if (changed == 0 || grid.PartCount() != timeline.PartCount())
            grid.Reset(doc, timeline);
        else if (changed != Timeline::kUntouched)
            grid.InvalidateFrom(changed);
        const auto asked = static_cast<std::uint8_t>(pick(doc.PartCount()));
        grid.Column(asked, pick(doc.Length() + 1));
        if (step % 3) continue;
        grid.BuildAll();
        const ScoreGrid fresh(doc, Timeline(doc));
        ASSERT_EQ(grid.ColumnCount(), fresh.ColumnCount()) << "step " << step;
        for (int p = 0; p < doc.PartCount(); ++p)
            for (std::int32_t i = 0; i <= doc.Length(); ++i) {
                const auto part = static_cast<std::uint8_t>(p);
                ASSERT_EQ(grid.Column(part, i), fresh.Column(part, i))
                    << "step " << step << ", part " << p << " at " << i;
                ASSERT_EQ(grid.BarColumn(part, i), fresh.BarColumn(part, i))
                    << "step " << step << ", part " << p << " at " << i;
            }
    }
}

} // namespace
} // namespace sorn
