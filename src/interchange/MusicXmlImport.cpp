#include "interchange/MusicXmlImport.h"

#include "interchange/MusicXmlCommon.h"
#include "interchange/MusicXmlMeasures.h"
#include "interchange/MusicXmlStream.h"
#include "model/GuardedOpen.h"
#include "model/SymbolCodes.h"
#include "model/UniqueFd.h"
#include "sound/InstrumentNames.h"
#include "sound/SornCalculater.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <unistd.h>

namespace sorn {

using namespace musicxml;

namespace {
// Longer than any of ours: not one of ours, and not split into pieces.
constexpr std::size_t kMaxIdBytes = 256;
} // namespace

IdInfo musicxml::ParseId(std::string_view id) {
    IdInfo info;
    if (id.size() > kMaxIdBytes) return info;
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

// The score as the children of the root come in.
class ScoreBuilder final : public ScoreChildren {
public:
    bool Wants(std::string_view name) override {
        if (name == "part" && parts_.size() == MaxParts) {
            ++left_[kParts]; // not even parsed
            return false;
        }
        return name == "part" || name == "part-list" || name == "identification" ||
               name == "work" || name == "movement-title" || name == "movement-number" ||
               name == "credit";
    }

    void Child(pugi::xml_node node) override {
        const std::string_view name = node.name();
        if (name == "part-list") {
            for (pugi::xml_node sp : node.children("score-part")) {
                const auto program =
                    Integer(Text(sp.child("midi-instrument").child("midi-program")));
                if (program && *program >= 1 && *program <= 128)
                    programs_[sp.attribute("id").value()] = static_cast<std::uint8_t>(*program - 1);
                names_[sp.attribute("id").value()] = {
                    std::string(Text(sp.child("part-name"))),
                    std::string(Text(sp.child("part-abbreviation")))};
            }
        } else if (name == "work") {
            workTitle_ = Text(node.child("work-title"));
        } else if (name == "movement-title") {
            movementTitle_ = Text(node);
        } else if (name == "movement-number") {
            movementNumber_ = Text(node);
        } else if (name == "credit") {
            Credit(node);
        } else if (name == "identification") {
            for (pugi::xml_node x : node.children()) {
                const std::string_view type = x.attribute("type").value();
                std::optional<ScoreText> which;
                if (std::string_view(x.name()) == "rights")
                    which = ScoreText::Copyright;
                else if (std::string_view(x.name()) != "creator")
                    continue;
                else if (type == "composer")
                    which = ScoreText::Composer;
                else if (type == "lyricist" || type == "poet")
                    which = ScoreText::Lyricist;
                else if (type == "arranger")
                    which = ScoreText::Arranger;
                // Two composers are both named.
                if (which) Join(texts_[static_cast<std::size_t>(*which)], Text(x), ", ");
            }
            const pugi::xml_node stored =
                node.child("miscellaneous")
                    .find_child_by_attribute("miscellaneous-field", "name", "sorn-length");
            if (auto l = Integer(Text(stored)); l && *l >= 0 && *l <= MaxLength)
                storedLength_ = static_cast<std::int32_t>(*l);
        } else if (name == "part" && Wants(name)) {
            PartReader reader(left_, tempo_);
            reader.Read(node, PlayOrderFor(node));
            reader.FinishPitches();
            length_ = std::max(length_, reader.Used() - 1);
            parts_.push_back(std::move(reader.Columns()));
            syllables_.push_back(std::move(reader.Syllables()));
            partIds_.emplace_back(node.attribute("id").value());
        }
    }

    bool HasParts() const override { return !parts_.empty() || left_[kParts]; }

    // Puts the score together in doc, a fresh document.
    ImportOutcome Finish(SornData& doc) {
        const std::int32_t length = std::max(length_, storedLength_);
        doc.FileNew();
        doc.SetLength(length);
        // Files without a tempo play at 120, as other programs play them.
        const double speed = tempo_.first.value_or(120);
        doc.SetSpeed(static_cast<std::int16_t>(std::clamp(std::lround(speed), 1L, 32767L)));
        // Each part is made only once the one before has left its columns:
        // the longest score is not held twice.
        for (std::size_t p = 0; p < parts_.size(); ++p) {
            if (p > 0) doc.AddPart();
            const auto part = static_cast<std::uint8_t>(p);
            auto program = programs_.find(partIds_[p]);
            const std::uint8_t instrument = program == programs_.end() ? 0 : program->second;
            doc.SetInstrumentNumber(part, std::to_string(instrument));
            if (auto names = names_.find(partIds_[p]); names != names_.end()) {
                // Named as the instrument is, the part shows that name anyway.
                if (names->second.name != InstrumentName(static_cast<std::int16_t>(instrument + 1)))
                    doc.SetPartText(part, PartText::Name,
                                    FitText(names->second.name, MaxTextBytes, left_));
                doc.SetPartText(part, PartText::ShortName,
                                FitText(names->second.abbreviation, MaxTextBytes, left_));
            }
            for (PartReader::PlacedSyllable& s : syllables_[p])
                doc.SetSyllable(part, s.column, s.verse, s.syllable);
            std::vector<PartReader::PlacedSyllable>().swap(syllables_[p]);
            for (std::size_t i = 0; i < parts_[p].size(); ++i) {
                const PositionRecord& r = parts_[p][i].record;
                for (int k = 0; k < SlotCount; ++k)
                    if (r.Syurui[k] != Kind::Empty)
                        doc.SetGData1(part, static_cast<std::int32_t>(i),
                                      static_cast<std::int16_t>(k), r.Syurui[k], r.Atai[k]);
            }
            std::vector<Column>().swap(parts_[p]);
        }
        Texts(doc);
        return {ImportStatus::Imported, Summary(left_)};
    }

private:
    static void Join(std::string& to, std::string_view text, std::string_view separator) {
        if (text.empty()) return;
        if (!to.empty()) to += separator;
        to += text;
    }

    // Credits say what they are only in MusicXML 3 and later; they are read
    // where the header says nothing of its own.
    void Credit(pugi::xml_node credit) {
        std::string words;
        for (pugi::xml_node w : credit.children("credit-words"))
            words += w.child_value();
        const std::string_view trimmed = Trim(words);
        for (pugi::xml_node type : credit.children("credit-type")) {
            static constexpr std::array<std::pair<std::string_view, ScoreText>, 6> kTypes = {{
                {"title", ScoreText::Title},
                {"subtitle", ScoreText::Subtitle},
                {"composer", ScoreText::Composer},
                {"lyricist", ScoreText::Lyricist},
                {"arranger", ScoreText::Arranger},
                {"rights", ScoreText::Copyright},
            }};
            for (auto [name, which] : kTypes)
                if (Text(type) == name && credits_[static_cast<std::size_t>(which)].empty())
                    credits_[static_cast<std::size_t>(which)] = trimmed;
        }
    }

    // A work-title and a movement-title are title and subtitle; either one
    // alone is the title, and a movement-number stands in for the subtitle,
    // as other programs show it.
    void Texts(SornData& doc) {
        auto text = [&](ScoreText which) -> std::string& {
            return texts_[static_cast<std::size_t>(which)];
        };
        text(ScoreText::Title) = workTitle_;
        text(ScoreText::Subtitle) = movementTitle_;
        if (workTitle_.empty()) std::swap(text(ScoreText::Title), text(ScoreText::Subtitle));
        if (text(ScoreText::Subtitle).empty()) text(ScoreText::Subtitle) = movementNumber_;
        for (int w = 0; w < ScoreTextCount; ++w) {
            std::string& value = texts_[static_cast<std::size_t>(w)];
            if (value.empty()) value = credits_[static_cast<std::size_t>(w)];
            doc.SetText(static_cast<ScoreText>(w), FitText(value, MaxTextBytes, left_));
        }
    }

    // Parts come one at a time, so the order the measures are played in is
    // read from the first part's repeats and endings and kept for the others,
    // which stay in step with it; measures a later part has beyond the
    // first's are played in turn after them.
    const std::vector<PlayedMeasure>& PlayOrderFor(pugi::xml_node part) {
        auto measuresOf = [](pugi::xml_node p) {
            std::size_t n = 0;
            for (pugi::xml_node m = p.child("measure"); m; m = m.next_sibling("measure"))
                ++n;
            return n;
        };
        if (!orderRead_) {
            order_ = PlayOrder(part.parent(), left_);
            orderRead_ = true;
            for (pugi::xml_node p : part.parent().children("part"))
                orderMeasures_ = std::max(orderMeasures_, measuresOf(p));
        }
        for (std::size_t i = orderMeasures_, n = measuresOf(part); i < n; ++i)
            order_.push_back({i, false});
        orderMeasures_ = std::max(orderMeasures_, measuresOf(part));
        return order_;
    }

    std::vector<PlayedMeasure> order_;
    bool orderRead_ = false;
    std::size_t orderMeasures_ = 0; // measures the order covers
    std::map<std::string, std::uint8_t, std::less<>> programs_;
    struct Names {
        std::string name, abbreviation;
    };
    std::map<std::string, Names, std::less<>> names_;
    std::string workTitle_, movementTitle_, movementNumber_;
    std::array<std::string, ScoreTextCount> texts_;   // from the identification
    std::array<std::string, ScoreTextCount> credits_; // from credits of a known type
    std::vector<std::vector<PartReader::PlacedSyllable>> syllables_;
    Counts left_{};
    Tempo tempo_;
    std::vector<std::vector<Column>> parts_;
    std::vector<std::string> partIds_;
    std::int32_t length_ = MinLength;
    std::int32_t storedLength_ = MinLength;
};

// The file read into imported (a fresh document), or why it was refused.
ImportOutcome Import(const ReadSome& read, SornData& imported) {
    ScoreBuilder builder;
    ImportOutcome outcome = ReadMusicXml(read, builder);
    if (outcome.status != ImportStatus::Imported) return outcome;
    try {
        return builder.Finish(imported);
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

} // namespace

ImportOutcome ImportMusicXml(std::string_view bytes, SornData& doc) {
    const ReadSome read = [&](char* out, std::size_t n) {
        n = std::min(n, bytes.size());
        std::memcpy(out, bytes.data(), n);
        bytes.remove_prefix(n);
        return static_cast<std::ptrdiff_t>(n);
    };
    SornData imported;
    ImportOutcome outcome = Import(read, imported);
    if (outcome.status == ImportStatus::Imported) doc.TakeScore(std::move(imported));
    return outcome;
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
    // The guarded way scores are opened: a FIFO or a terminal that stays
    // silent is given up after a while, and the text is read as it comes.
    std::error_code ec;
    bool stream = false;
    UniqueFd fd(OpenGuarded(path, stream, ec));
    if (!fd) {
        if (error) *error = ec;
        return OpenResult::Failed;
    }
    const ReadSome read = [&](char* out, std::size_t n) -> std::ptrdiff_t {
        for (;;) {
            const ssize_t got = ::read(fd.get(), out, n);
            if (got >= 0) return got;
            if (errno == EINTR) continue;
            ec = {errno, std::generic_category()};
            return -1;
        }
    };
    SornData imported;
    const ImportOutcome outcome = Import(read, imported);
    if (ec) {
        if (error) *error = ec;
        return OpenResult::Failed;
    }
    if (outcome.status != ImportStatus::Imported) {
        boxes.ShowMessage(Message::Untranslated("%1\n%2", outcome.message, path), MsgButtons::Ok,
                          MsgIcon::Warning);
        return OpenResult::Refused;
    }
    doc.TakeScore(std::move(imported));
    if (outcome.message) boxes.ShowMessage(outcome.message, MsgButtons::Ok, MsgIcon::None);
    return OpenResult::Opened;
}

} // namespace sorn
