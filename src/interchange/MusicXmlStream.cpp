#include "interchange/MusicXmlStream.h"

#include "interchange/MxlContainer.h"
#include "interchange/XmlPieces.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace sorn::musicxml {

namespace {

bool LooksLikeXml(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    while (!bytes.empty() && std::isspace(static_cast<unsigned char>(bytes.front())))
        bytes.remove_prefix(1);
    return !bytes.empty() && bytes.front() == '<';
}

// Some programs write UTF-16, which the parser reads as well.
bool IsUtf16(std::string_view bytes) {
    return bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF";
}

// A UTF-16 file is parsed whole, so it is held to what one part may be.
constexpr std::size_t kMaxUtf16Bytes = kMaxXmlPieceBytes / 2;

ImportOutcome TooLarge(Message message) {
    return {ImportStatus::TooLarge, std::move(message)};
}

ImportOutcome DamagedAt(std::uint64_t offset, Message why) {
    return {ImportStatus::Damaged,
            CoreMessage(
                SORN_TRANSLATE_NOOP("Core", "MusicXML ファイルが壊れています (%1 バイト目: %2)。"),
                offset, std::move(why))};
}

ImportOutcome RootRefused(std::string_view root) {
    if (root == "score-timewise")
        return {
            ImportStatus::NotMusicXml,
            CoreMessage(SORN_TRANSLATE_NOOP(
                "Core", "score-timewise 形式の MusicXML には対応していません。score-partwise 形式で"
                        "保存したものを開いてください。"))};
    return {ImportStatus::NotMusicXml,
            CoreMessage(SORN_TRANSLATE_NOOP("Core", "MusicXML ファイルではありません。"))};
}

ImportOutcome NoParts() {
    return {ImportStatus::Damaged,
            CoreMessage(SORN_TRANSLATE_NOOP("Core", "MusicXML ファイルにパートがありません。"))};
}

// A UTF-16 text, small enough to parse whole.
ImportOutcome ImportWhole(std::string& bytes, ScoreChildren& builder) {
    if (static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '<')) > kMaxXmlPieceItems)
        return TooLarge(CoreMessage(SORN_TRANSLATE_NOOP(
            "Core",
            "UTF-16 の MusicXML ファイルの要素が上限の 300 万個を超えるため読み込めません。")));
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed = xml.load_buffer_inplace(
        bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_embed_pcdata);
    if (!parsed)
        return DamagedAt(static_cast<std::uint64_t>(parsed.offset),
                         Message::Verbatim(parsed.description()));
    const pugi::xml_node root = xml.document_element();
    if (std::string_view(root.name()) != "score-partwise") return RootRefused(root.name());
    for (pugi::xml_node child : root.children())
        if (builder.Wants(child.name())) builder.Child(child);
    if (!builder.HasParts()) return NoParts();
    return {ImportStatus::Imported, CoreMessage(SORN_TRANSLATE_NOOP("Core", ""))};
}

// The text streamed through the cutter, one child of the root parsed at a
// time: memory stays near one part's tree whatever the file's size.
ImportOutcome ImportText(std::string first, const ReadSome& read, ScoreChildren& builder) {
    if (IsUtf16(first)) {
        std::string bytes = std::move(first);
        for (;;) {
            const std::size_t had = bytes.size();
            bytes.resize(had + (std::size_t{1} << 16));
            const std::ptrdiff_t n = read(bytes.data() + had, bytes.size() - had);
            if (n < 0)
                return DamagedAt(had, CoreMessage(SORN_TRANSLATE_NOOP("Core", "読み込めません")));
            bytes.resize(had + static_cast<std::size_t>(n));
            if (bytes.size() > kMaxUtf16Bytes)
                return TooLarge(CoreMessage(
                    SORN_TRANSLATE_NOOP("Core", "UTF-16 の MusicXML ファイルの大きさが上限の 48 MB "
                                                "を超えるため読み込めません。")));
            if (n == 0) break;
        }
        return ImportWhole(bytes, builder);
    }
    if (!LooksLikeXml(first))
        return {ImportStatus::NotMusicXml,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "MusicXML ファイルではありません。"))};

    XmlPieces pieces;
    std::optional<ImportOutcome> broken;
    auto handler = [&](const XmlPieces::Piece& piece) {
        if (broken || pieces.RootName() != "score-partwise" || !builder.Wants(piece.name)) return;
        pugi::xml_document xml;
        // Parsed where it lies; text kept inside its element halves the
        // nodes of a note.
        const pugi::xml_parse_result parsed = xml.load_buffer_inplace(
            piece.text, piece.size, pugi::parse_default | pugi::parse_embed_pcdata);
        if (!parsed)
            broken = DamagedAt(piece.offset + static_cast<std::uint64_t>(parsed.offset),
                               Message::Verbatim(parsed.description()));
        else
            builder.Child(xml.first_child());
    };
    std::uint64_t total = 0;
    std::string chunk = std::move(first);
    constexpr std::size_t kChunk = std::size_t{1} << 16;
    for (;;) {
        total += chunk.size();
        if (total > kMaxMusicXmlBytes)
            return TooLarge(CoreMessage(SORN_TRANSLATE_NOOP(
                "Core", "MusicXML ファイルの大きさが上限の 2 GB を超えるため読み込めません。")));
        if (!pieces.Feed(chunk, handler)) {
            switch (pieces.Failure()) {
            case XmlPieces::Problem::PieceTooLarge:
                return TooLarge(CoreMessage(SORN_TRANSLATE_NOOP(
                    "Core", "MusicXML ファイルのパートなどの要素 1 つが上限の 96 MB "
                            "を超えるため読み込めません。")));
            case XmlPieces::Problem::TooManyItems:
                return TooLarge(CoreMessage(SORN_TRANSLATE_NOOP(
                    "Core", "MusicXML ファイルのパート 1 つに含まれる要素が上限の 300 "
                            "万個を超えるため読み込めません。")));
            case XmlPieces::Problem::TooManyPieces:
                return TooLarge(CoreMessage(SORN_TRANSLATE_NOOP(
                    "Core", "MusicXML ファイルのパートなどの要素の数が上限の 65536 "
                            "個を超えるため読み込めません。")));
            default:
                return DamagedAt(pieces.FailureOffset(),
                                 CoreMessage(SORN_TRANSLATE_NOOP("Core", "対応しない終了タグ")));
            }
        }
        if (broken) return *broken;
        if (!pieces.RootName().empty() && pieces.RootName() != "score-partwise")
            return RootRefused(pieces.RootName());
        if (pieces.Closed()) break;
        chunk.resize(kChunk);
        const std::ptrdiff_t n = read(chunk.data(), chunk.size());
        if (n < 0)
            return DamagedAt(total, CoreMessage(SORN_TRANSLATE_NOOP("Core", "読み込めません")));
        if (n == 0)
            return DamagedAt(total,
                             CoreMessage(SORN_TRANSLATE_NOOP("Core", "途中で終わっています")));
        chunk.resize(static_cast<std::size_t>(n));
    }
    if (!builder.HasParts()) return NoParts();
    return {ImportStatus::Imported, CoreMessage(SORN_TRANSLATE_NOOP("Core", ""))};
}

// The first bytes decide: an .mxl archive is held whole (the score inside it
// is unpacked as it is read); any other text is read as it comes.
ImportOutcome ImportFrom(const ReadSome& read, ScoreChildren& builder) {
    std::string first(std::size_t{1} << 16, '\0');
    std::size_t filled = 0;
    while (filled < 4) {
        const std::ptrdiff_t n = read(first.data() + filled, first.size() - filled);
        if (n < 0)
            return DamagedAt(filled, CoreMessage(SORN_TRANSLATE_NOOP("Core", "読み込めません")));
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    first.resize(filled);
    if (!LooksLikeZip(first)) return ImportText(std::move(first), read, builder);

    std::string archive = std::move(first);
    for (;;) {
        const std::size_t had = archive.size();
        archive.resize(had + (std::size_t{1} << 20));
        const std::ptrdiff_t n = read(archive.data() + had, archive.size() - had);
        if (n < 0)
            return DamagedAt(had, CoreMessage(SORN_TRANSLATE_NOOP("Core", "読み込めません")));
        archive.resize(had + static_cast<std::size_t>(n));
        if (archive.size() > kMaxMxlArchiveBytes)
            return TooLarge(CoreMessage(
                SORN_TRANSLATE_NOOP("Core", "圧縮された MusicXML ファイルの大きさが上限の 512 MB "
                                            "を超えるため読み込めません。")));
        if (n == 0) break;
    }
    MxlScore score(archive);
    if (!score.Found())
        return {ImportStatus::Damaged,
                CoreMessage(SORN_TRANSLATE_NOOP(
                    "Core", "圧縮された MusicXML ファイルが壊れているか、楽譜が入っていません。"))};
    if (score.Size() > kMaxMusicXmlBytes)
        return TooLarge(CoreMessage(SORN_TRANSLATE_NOOP(
            "Core", "MusicXML ファイルの大きさが上限の 2 GB を超えるため読み込めません。")));
    const ReadSome unpack = [&](char* out, std::size_t n) { return score.Read(out, n); };
    std::string text(std::size_t{1} << 16, '\0');
    const std::ptrdiff_t n = unpack(text.data(), text.size());
    if (n < 0)
        return {ImportStatus::Damaged,
                CoreMessage(SORN_TRANSLATE_NOOP(
                    "Core", "圧縮された MusicXML ファイルが壊れているか、楽譜が入っていません。"))};
    text.resize(static_cast<std::size_t>(n));
    return ImportText(std::move(text), unpack, builder);
}

} // namespace

// Whatever the limits leave, a machine may still run out of memory: that is
// said as such, never as a damaged file.
ImportOutcome ReadMusicXml(const ReadSome& read, ScoreChildren& children) {
    try {
        return ImportFrom(read, children);
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

ImportOutcome OutOfMemory() {
    return {ImportStatus::TooLarge,
            CoreMessage(SORN_TRANSLATE_NOOP(
                "Core", "メモリーが足りないため MusicXML ファイルを読み込めません。"))};
}

} // namespace sorn::musicxml
