// Instrument names, the messages in both languages and the packed symbol codes.

#include "interchange/MusicXmlMeasures.h"
#include "model/ScoreFileTexts.h"
#include "model/SymbolCodes.h"
#include "sound/ExportError.h"
#include "sound/InstrumentNames.h"

#include <algorithm>
#include <cerrno>
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

TEST(Messages, TodaysJapaneseAndTheCatalogsEnglish) {
    musicxml::Counts left{};
    left.fill(1);
    const struct {
        const char* what;
        Message message;
        std::string japanese, english;
    } cases[] = {
        {"chained, a placeholder in an argument left alone",
         texts::OpenFailed("/tmp/a%1.sorn",
                           std::make_error_code(std::errc::no_such_file_or_directory)),
         "ファイルを開くことができませんでした。\n/tmp/a%1.sorn\nファイルが見つかりません。",
         "The file could not be opened.\n/tmp/a%1.sorn\nThe file was not found."},
        {"an export error with its number",
         ExportError{ExportErrorNumber::NoSuchPart,
                     CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 はありません。"), PartLabel(2))}
             .What(),
         "1104パート 3 はありません。", "Error 1104: Part 3 does not exist."},
        {"the system's words kept",
         ErrorReason(std::error_code(EBADF, std::generic_category()), FileAction::Write),
         "ファイルを書き込めません(Bad file descriptor)。",
         "The file cannot be written (Bad file descriptor)."},
        {"an instrument", Message(kInstrumentsContext, InstrumentName(87).data()), "５度",
         "Lead 7 (fifths)"},
        {"not in the catalog: the Japanese", CoreMessage("未訳の文 %1", 5), "未訳の文 5",
         "未訳の文 5"},
        {"no message", Message(), "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.message, Language::Japanese), c.japanese) << c.what;
        EXPECT_EQ(Text(c.message, Language::English), c.english) << c.what;
    }
    // Every kind left out of an import: more lines than placeholders a text has.
    for (Language language : {Language::Japanese, Language::English}) {
        const std::string summary = Text(musicxml::Summary(left), language);
        EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), musicxml::kLeftCount);
        EXPECT_EQ(summary.find('%'), std::string::npos) << summary;
    }
    EXPECT_NE(Text(musicxml::Summary(left), Language::English).find("\nSlurs not read: 1."),
              std::string::npos);
}

TEST(Messages, LanguageFromLocale) {
    for (const char* japanese : {"", "C", "POSIX", "C.UTF-8", "ja_JP.UTF-8", "ja"})
        EXPECT_EQ(LanguageFromLocale(japanese), Language::Japanese) << japanese;
    for (const char* english : {"en_US.UTF-8", "de_DE", "en_GB@euro"})
        EXPECT_EQ(LanguageFromLocale(english), Language::English) << english;
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
