#include "interchange/MusicXmlImport.h"

#include "interchange/MusicXmlCommon.h"
#include "interchange/MusicXmlMeasures.h"
#include "interchange/MxlContainer.h"
#include "model/SymbolCodes.h"
#include "model/UniqueFd.h"
#include "sound/SornCalculater.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace sorn {

using namespace musicxml;

IdInfo musicxml::ParseId(std::string_view id) {
    IdInfo info;
    std::vector<std::string_view> tokens;
    while (!id.empty()) {
        const std::size_t dash = id.find('-');
        tokens.push_back(id.substr(0, dash));
        id = dash == std::string_view::npos ? std::string_view{} : id.substr(dash + 1);
    }
    if (tokens.size() < 3 || tokens[0].empty() || tokens[0][0] != 'P' || tokens[1].size() < 2 ||
        tokens[1][0] != 'c')
        return info;
    auto column = Integer(tokens[1].substr(1));
    if (!column || *column < 0 || *column > MaxLength) return info;
    info.column = static_cast<std::int32_t>(*column);
    for (std::size_t t = 3; t < tokens.size(); ++t) {
        const std::string_view s = tokens[t];
        const std::size_t dot = s.find('.');
        if (s.size() < 4 || s[0] != 's' || dot == std::string_view::npos) continue;
        auto kind = Integer(s.substr(1, dot - 1));
        auto value = Integer(s.substr(dot + 1));
        if (kind && value && *kind > 0 && *kind < 256 && *value >= 0 && *value < 256 &&
            !IsMainSymbol(static_cast<std::uint8_t>(*kind)))
            info.extras.emplace_back(static_cast<std::uint8_t>(*kind),
                                     static_cast<std::uint8_t>(*value));
    }
    return info;
}

namespace {

bool LooksLikeXml(std::string_view bytes) {
    // Some programs write UTF-16, which the parser reads as well.
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") return true;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    while (!bytes.empty() && std::isspace(static_cast<unsigned char>(bytes.front())))
        bytes.remove_prefix(1);
    return !bytes.empty() && bytes.front() == '<';
}

} // namespace

ImportOutcome ImportMusicXml(std::string_view bytes, SornData& doc) {
    return ImportMusicXml(std::string(bytes), doc);
}

ImportOutcome ImportMusicXml(std::string&& owned, SornData& doc) {
    std::string bytes = std::move(owned);
    if (LooksLikeZip(bytes)) {
        std::optional<std::string> unpacked = ReadMxl(bytes, kMaxMusicXmlBytes);
        if (!unpacked)
            return {ImportStatus::Damaged,
                    "圧縮された MusicXML ファイルが壊れているか、楽譜が入っていません。"};
        bytes = std::move(*unpacked);
    }
    if (!LooksLikeXml(bytes))
        return {ImportStatus::NotMusicXml, "MusicXML ファイルではありません。"};
    if (bytes.size() > kMaxMusicXmlBytes)
        return {ImportStatus::Damaged, "MusicXML ファイルが大きすぎるため読み込めません。"};
    pugi::xml_document xml;
    // Parsed where it lies: the text of a large score is not copied again.
    // Text kept inside its element halves the nodes of a note.
    const pugi::xml_parse_result parsed = xml.load_buffer_inplace(
        bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_embed_pcdata);
    if (!parsed)
        return {ImportStatus::Damaged, "MusicXML ファイルが壊れています (" +
                                           std::to_string(parsed.offset) +
                                           " バイト目: " + parsed.description() + ")。"};
    const pugi::xml_node root = xml.document_element();
    if (std::string_view(root.name()) == "score-timewise")
        return {ImportStatus::NotMusicXml,
                "score-timewise 形式の MusicXML には対応していません。score-partwise 形式で"
                "保存したものを開いてください。"};
    if (std::string_view(root.name()) != "score-partwise")
        return {ImportStatus::NotMusicXml, "MusicXML ファイルではありません。"};
    if (!root.child("part"))
        return {ImportStatus::Damaged, "MusicXML ファイルにパートがありません。"};

    std::map<std::string, std::uint8_t, std::less<>> programs;
    for (pugi::xml_node sp : root.child("part-list").children("score-part")) {
        const auto program = Integer(Text(sp.child("midi-instrument").child("midi-program")));
        if (program && *program >= 1 && *program <= 128)
            programs[sp.attribute("id").value()] = static_cast<std::uint8_t>(*program - 1);
    }

    Counts left{};
    Tempo tempo;
    const std::vector<PlayedMeasure> order = PlayOrder(root, left);
    std::vector<std::vector<Column>> parts;
    std::vector<std::uint8_t> instruments;
    std::int32_t length = MinLength;
    for (pugi::xml_node part : root.children("part")) {
        if (parts.size() == MaxParts) {
            ++left[kParts];
            continue;
        }
        PartReader reader(left, tempo);
        reader.Read(part, order);
        reader.FinishPitches();
        length = std::max(length, reader.Used() - 1);
        parts.push_back(std::move(reader.Columns()));
        auto program = programs.find(part.attribute("id").value());
        instruments.push_back(program == programs.end() ? 0 : program->second);
    }
    const pugi::xml_node stored =
        root.child("identification")
            .child("miscellaneous")
            .find_child_by_attribute("miscellaneous-field", "name", "sorn-length");
    if (auto l = Integer(Text(stored)); l && *l > length && *l <= MaxLength)
        length = static_cast<std::int32_t>(*l);

    doc.FileNew();
    for (std::size_t p = 1; p < parts.size(); ++p)
        doc.AddPart();
    doc.SetLength(length);
    // Files without a tempo play at 120, as other programs play them.
    const double speed = tempo.first.value_or(120);
    doc.SetSpeed(static_cast<std::int16_t>(std::clamp(std::lround(speed), 1L, 32767L)));
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        doc.SetInstrumentNumber(part, std::to_string(instruments[p]));
        for (std::size_t i = 0; i < parts[p].size(); ++i) {
            const PositionRecord& r = parts[p][i].record;
            for (int k = 0; k < SlotCount; ++k)
                if (r.Syurui[k] != Kind::Empty)
                    doc.SetGData1(part, static_cast<std::int32_t>(i), static_cast<std::int16_t>(k),
                                  r.Syurui[k], r.Atai[k]);
        }
    }
    return {ImportStatus::Imported, Summary(left)};
}

bool IsMusicXmlName(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".musicxml" || ext == ".xml" || ext == ".mxl";
}

OpenResult OpenMusicXml(SornData& doc, const std::string& path, MessageBoxes& boxes,
                        std::error_code* error) {
    auto fail = [&](int e) {
        if (error) *error = std::error_code(e, std::generic_category());
        return OpenResult::Failed;
    };
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) return fail(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return fail(errno);
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    auto tooLarge = [&] {
        boxes.Show("MusicXML ファイルが大きすぎるため読み込めません。\n" + path, MsgButtons::Ok,
                   MsgIcon::Warning);
        return OpenResult::Refused;
    };
    if (st.st_size > static_cast<off_t>(kMaxMusicXmlBytes)) return tooLarge();
    // Read straight into one buffer of the file's size; a pipe grows it.
    std::string bytes(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0), '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() >= kMaxMusicXmlBytes) return tooLarge();
            bytes.resize(std::min(kMaxMusicXmlBytes, bytes.size() + (std::size_t{1} << 16)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(errno);
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    SornData imported;
    const ImportOutcome outcome = ImportMusicXml(std::move(bytes), imported);
    if (outcome.status != ImportStatus::Imported) {
        boxes.Show(outcome.message + "\n" + path, MsgButtons::Ok, MsgIcon::Warning);
        return OpenResult::Refused;
    }
    doc.TakeScore(std::move(imported));
    if (!outcome.message.empty()) boxes.Show(outcome.message, MsgButtons::Ok, MsgIcon::None);
    return OpenResult::Opened;
}

} // namespace sorn
