// The document's slot rules and structural edits.

#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <gtest/gtest.h>

namespace sorn {
namespace {

SornData NewScore() {
    SornData doc;
    doc.FileNew();
    return doc;
}

// Marks position `iti` of `part` so moved positions can be recognised.
void Mark(SornData& doc, std::uint8_t part, std::int32_t iti) {
    doc.SetGData1(part, iti, 0, Kind::QuarterNote, static_cast<std::uint8_t>(100 + iti));
    doc.SetGData1(part, iti, 14, Kind::Dynamics, part);
}

TEST(SornData, NewScoreIsOneEmptyPartOf31Positions) {
    SornData doc;
    EXPECT_FALSE(doc.HasParts());
    doc.FileNew();
    EXPECT_EQ(doc.PartSuu(), 0);
    EXPECT_EQ(doc.Length(), 30);
    EXPECT_EQ(doc.Speed(), 60);
    EXPECT_EQ(doc.GetInstrumentNumber(0), 0);
    for (int iti = 0; iti <= 30; ++iti)
        for (int slot = 0; slot < SlotCount; ++slot)
            EXPECT_EQ(doc.GetGSyurui(0, iti, slot), 0);
}

// An attached symbol is found wherever it stands; a new one takes the lowest
// free slot; the same kind and value again takes it away.
TEST(SornData, CheckGData1SlotRules) {
    SornData doc = NewScore();
    doc.SetGData1(0, 3, 1, Kind::Dot, 1);
    doc.SetGData1(0, 3, 5, Kind::Accidental, AccidentalCode::Sharp);
    // Slot 2 is free, yet the accidental in slot 5 is the one changed.
    EXPECT_TRUE(doc.CheckGData1(0, 3, Kind::Accidental, AccidentalCode::Flat));
    EXPECT_EQ(doc.GetGSyurui(0, 3, 2), 0);
    EXPECT_EQ(doc.GetGAtai(0, 3, 5), AccidentalCode::Flat);
    // Same kind and value removes it, leaving the value byte behind.
    EXPECT_TRUE(doc.CheckGData1(0, 3, Kind::Accidental, AccidentalCode::Flat));
    EXPECT_EQ(doc.GetGSyurui(0, 3, 5), 0);
    EXPECT_EQ(doc.GetGAtai(0, 3, 5), AccidentalCode::Flat);
    // A new kind goes into the lowest free slot, never slot 0.
    EXPECT_TRUE(doc.CheckGData1(0, 3, Kind::Tie, 1));
    EXPECT_EQ(doc.GetGSyurui(0, 3, 2), Kind::Tie);
    EXPECT_EQ(doc.GetGSyurui(0, 3, 0), 0);
}

TEST(SornData, CheckGData1TwiceRestoresThePosition) {
    SornData doc = NewScore();
    doc.SetGData1(0, 0, 0, Kind::EighthNote, 128);
    doc.CheckGData1(0, 0, Kind::Dynamics, DynamicsCode::pp);
    doc.CheckGData1(0, 0, Kind::Dynamics, DynamicsCode::pp);
    EXPECT_EQ(doc.GetGSyurui(0, 0, 0), Kind::EighthNote);
    for (int slot = 1; slot < SlotCount; ++slot)
        EXPECT_EQ(doc.GetGSyurui(0, 0, slot), 0);
}

TEST(SornData, CheckGData1WithNoFreeSlotChangesNothing) {
    SornData doc = NewScore();
    for (int slot = 1; slot < SlotCount; ++slot)
        doc.SetGData1(0, 0, slot, static_cast<std::uint8_t>(200 + slot), 7);
    EXPECT_FALSE(doc.CheckGData1(0, 0, Kind::Tie, 1));
    for (int slot = 1; slot < SlotCount; ++slot) {
        EXPECT_EQ(doc.GetGSyurui(0, 0, slot), 200 + slot);
        EXPECT_EQ(doc.GetGAtai(0, 0, slot), 7);
    }
}

TEST(SornData, DeleteSyuruiLeavesSlotZeroAlone) {
    SornData doc = NewScore();
    doc.SetGData1(0, 1, 0, Kind::Beam, 1);
    doc.SetGData1(0, 1, 4, Kind::Beam, 1);
    doc.SetGData1(0, 1, 9, Kind::Beam, 1);
    doc.DeleteSyuruiGData1(0, 1, Kind::Beam);
    EXPECT_EQ(doc.GetGSyurui(0, 1, 0), Kind::Beam);
    EXPECT_EQ(doc.GetGSyurui(0, 1, 4), 0);
    EXPECT_EQ(doc.GetGAtai(0, 1, 9), 0);
}

TEST(SornData, AtaiBackSerchLooksOnlyBefore) {
    SornData doc = NewScore();
    std::int32_t at = 99;
    EXPECT_EQ(doc.AtaiBackSerch(0, 0, Kind::Clef, ClefCode::G, at), ClefCode::G);
    EXPECT_EQ(at, -1);
    doc.SetGData1(0, 5, 0, Kind::Clef, ClefCode::F);
    EXPECT_EQ(doc.AtaiBackSerch(0, 5, Kind::Clef, 0, at), 0); // the position itself is not seen
    EXPECT_EQ(at, -1);
    doc.SetGData1(0, 2, 3, Kind::BarLine, BarLineCode::Double);
    EXPECT_EQ(doc.AtaiBackSerch(0, 6, Kind::Clef, 0, at), ClefCode::F);
    EXPECT_EQ(at, 5);
    // The page layout starts its search one past the last position.
    EXPECT_EQ(doc.AtaiBackSerch(0, doc.Length() + 1, Kind::BarLine, 9, at), BarLineCode::Double);
    EXPECT_EQ(at, 2);
}

TEST(SornData, InsertSpaceShiftsOnePartAndLengthensAll) {
    SornData doc = NewScore();
    doc.AddPart();
    doc.AddPart();
    for (std::uint8_t part = 0; part < 3; ++part)
        for (int iti = 0; iti <= 30; ++iti)
            Mark(doc, part, iti);
    ASSERT_TRUE(doc.InsertSpace(1, 10));
    EXPECT_EQ(doc.Length(), 31);
    for (std::uint8_t part : {0, 2}) {
        for (int iti = 0; iti <= 30; ++iti)
            EXPECT_EQ(doc.GetGAtai(part, iti, 0), 100 + iti);
        EXPECT_EQ(doc.GetGSyurui(part, 31, 0), 0);
    }
    for (int iti = 0; iti < 10; ++iti)
        EXPECT_EQ(doc.GetGAtai(1, iti, 0), 100 + iti);
    EXPECT_EQ(doc.GetGSyurui(1, 10, 0), 0);
    EXPECT_EQ(doc.GetGSyurui(1, 10, 14), 0);
    for (int iti = 11; iti <= 31; ++iti)
        EXPECT_EQ(doc.GetGAtai(1, iti, 0), 100 + iti - 1);
}

TEST(SornData, DeleteSpaceShiftsOnePartBack) {
    SornData doc = NewScore();
    doc.AddPart();
    for (std::uint8_t part = 0; part < 2; ++part)
        for (int iti = 0; iti <= 30; ++iti)
            Mark(doc, part, iti);
    ASSERT_TRUE(doc.DeleteSpace(0, 4));
    EXPECT_EQ(doc.Length(), 30);
    EXPECT_EQ(doc.GetGAtai(0, 3, 0), 103);
    EXPECT_EQ(doc.GetGAtai(0, 4, 0), 105);
    EXPECT_EQ(doc.GetGAtai(0, 29, 0), 130);
    EXPECT_EQ(doc.GetGSyurui(0, 30, 0), 0);
    EXPECT_EQ(doc.GetGAtai(1, 4, 0), 104);
    // At the last position only that position is emptied.
    ASSERT_TRUE(doc.DeleteSpace(1, 30));
    EXPECT_EQ(doc.GetGSyurui(1, 30, 0), 0);
    EXPECT_EQ(doc.GetGAtai(1, 29, 0), 129);
}

TEST(SornData, LengthStaysBetween20And32767) {
    SornData doc = NewScore();
    doc.SetLength(5);
    EXPECT_EQ(doc.Length(), 20);
    doc.SetLength(40);
    for (int iti = 0; iti <= 40; ++iti)
        Mark(doc, 0, iti);
    doc.SetLength(25);
    EXPECT_EQ(doc.Length(), 25);
    EXPECT_EQ(doc.GetGAtai(0, 25, 0), 125);
    doc.SetLength(40);
    EXPECT_EQ(doc.GetGSyurui(0, 26, 0), 0); // dropped positions come back empty
    doc.SetLength(MaxLength + 100);
    EXPECT_EQ(doc.Length(), MaxLength);
    EXPECT_FALSE(doc.InsertSpace(0, 0)); // never past the longest score
    EXPECT_EQ(doc.Length(), MaxLength);
}

TEST(SornData, AddAndDeleteParts) {
    SornData doc = NewScore();
    doc.DeletePart(0); // the only part stays
    EXPECT_EQ(doc.PartSuu(), 0);
    doc.AddPart();
    doc.SetInstrumentNumber(1, "40");
    Mark(doc, 1, 7);
    doc.DeletePart(0);
    EXPECT_EQ(doc.PartSuu(), 0);
    EXPECT_EQ(doc.GetInstrumentNumber(0), 40);
    EXPECT_EQ(doc.GetGAtai(0, 7, 0), 107);
    for (int i = 0; i < 300; ++i)
        doc.AddPart();
    EXPECT_EQ(doc.PartSuu(), 255);
    EXPECT_EQ(doc.PartCount(), 256);
    doc.DeletePart(255);
    EXPECT_EQ(doc.PartSuu(), 254);
    EXPECT_EQ(doc.GetInstrumentNumber(0), 40);
}

TEST(SornData, OutOfRangeCallsChangeNothing) {
    SornData doc = NewScore();
    EXPECT_FALSE(doc.SetGData1(1, 0, 0, Kind::Rest, 1));
    EXPECT_FALSE(doc.SetGData1(0, 31, 0, Kind::Rest, 1));
    EXPECT_FALSE(doc.SetGData1(0, -1, 0, Kind::Rest, 1));
    EXPECT_FALSE(doc.SetGData1(0, 0, 15, Kind::Rest, 1));
    EXPECT_FALSE(doc.CheckGData1(0, 31, Kind::Tie, 1));
    EXPECT_FALSE(doc.SetInstrumentNumber(0, "grand"));
    EXPECT_EQ(doc.GetGSyurui(0, 31, 0), 0);
    EXPECT_EQ(doc.GetGSyurui(3, 0, 0), 0);
    EXPECT_EQ(doc.GetInstrumentNumber(0), 0);
}

} // namespace
} // namespace sorn
