// Instrument names and the packed symbol codes.

#include "model/SymbolCodes.h"
#include "sound/InstrumentNames.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace sorn {
namespace {

TEST(InstrumentNames, TableEndsAndExactTexts) {
    EXPECT_EQ(InstrumentName(1), "グランドピアノ");
    EXPECT_EQ(InstrumentName(128), "ガンショット");
    EXPECT_EQ(InstrumentName(87), "５度");
    EXPECT_EQ(InstrumentName(104), "SF");
    EXPECT_EQ(InstrumentName(0), "");
    EXPECT_EQ(InstrumentName(129), "");
    EXPECT_EQ(InstrumentName(-1), "");
    std::set<std::string_view> distinct;
    for (int n = 1; n <= 128; ++n)
        distinct.insert(InstrumentName(static_cast<std::int16_t>(n)));
    EXPECT_EQ(distinct.size(), 128u);
    EXPECT_EQ(distinct.count(""), 0u);
}

TEST(SymbolCodes, TimeSignaturesPackNumeratorAndDenominator) {
    EXPECT_EQ(DecodeTimeSignature(26).numerator, 4);
    EXPECT_EQ(DecodeTimeSignature(26).denominator(), 4);
    EXPECT_EQ(DecodeTimeSignature(253).numerator, 32);
    EXPECT_EQ(DecodeTimeSignature(253).denominator(), 32);
    EXPECT_EQ(DecodeTimeSignature(0).numerator, 1);
    EXPECT_EQ(DecodeTimeSignature(0).denominator(), 1);
    EXPECT_EQ(EncodeTimeSignature(4, 2), TimeSignatureCommon);
    EXPECT_TRUE(IsMainSymbol(Kind::KeySignature));
    EXPECT_FALSE(IsMainSymbol(Kind::Beam));
}

} // namespace
} // namespace sorn
