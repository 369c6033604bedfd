#include "app/Batch.h"

#include "app/BatchRender.h"
#include "app/Exports.h"
#include "app/Version.h"
#include "interchange/LilyPondExport.h"
#include "interchange/MusicXmlImport.h"
#include "layout/PositionsExport.h"
#include "model/AtomicFile.h"
#include "model/ErrorReason.h"
#include "model/ScoreFileTexts.h"
#include "model/SornData.h"
#include "platform/AudioExport.h"
#include "platform/ProgramData.h"
#include "sound/SornWav.h"
#include "sound/Timbre.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

namespace sorn {

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kHelp = SORN_TRANSLATE_NOOP("Batch", R"(使い方:
  sorn-editor [FILE.sorn]                  エディタを開く
  sorn-editor --export-midi OUT.mid IN.sorn
                                           楽譜全体を MIDI ファイルに書き出す
  sorn-editor --export-musicxml OUT.musicxml|OUT.mxl
              [--unfold-repeats auto|always|never] IN.sorn
                                           楽譜全体を MusicXML に書き出す (.mxl は圧縮形式)。
                                           パートごとに繰り返しが違うときは演奏順に書き出す
                                           (always は常に、never は書き出さない。既定は auto)
  sorn-editor --export-lilypond OUT.ly IN.sorn
                                           楽譜全体を LilyPond のファイルに書き出す
  sorn-editor --engrave-pdf OUT.pdf [--score | --part N] IN.sorn
                                           LilyPond で浄書して PDF にする (既定は総譜。
                                           lilypond と fonts-noto-cjk のパッケージが要る)
  sorn-editor --export-wav OUT.wav [--part N] [--timbre NAME|PATH] IN.sorn
                                           1 パートを WAV ファイルに書き出す (既定の音色はヴァイオリン)
  sorn-editor --export-audio OUT.wav|OUT.flac|OUT.ogg [音源の指定] IN.sorn
                                           全パートの演奏を音声ファイルに書き出す (形式は拡張子で)
  sorn-editor --export-rehearsal DIR [--format wav|flac|ogg] [--balance DB] [--click]
              [音源の指定] IN.sorn       パート練習用の音源をフォルダ DIR に書き出す
                                           (1 パート 1 ファイル、ファイル名はパート名。
                                           そのパートを DB デシベル大きく、ほかを小さく
                                           (0〜24, 既定 6)。--click は拍ごとのクリック)
    音源の指定: [--soundfont PATH] [--sample-rate 44100|48000] [--bits 16|24]
                                           既定は試聴と同じ SoundFont, 44100 Hz, 16 ビット
                                           (--bits は WAV と FLAC だけ)
  sorn-editor --render-view OUT.png|OUT.svg [--part N] [--scroll P] [--width W]
              [--scale S] [--no-cursor] [--score] IN.sorn
                                           楽譜表示部分を画像に書き出す (S 倍, カーソルなし,
                                           --score は全パートをそろえた総譜)
  sorn-editor --render-page OUT.png|OUT.svg [ページの指定] [--page K] [--scale S] IN.sorn
                                           印刷するページを画像に書き出す
  sorn-editor --print-pdf OUT.pdf [ページの指定] IN.sorn
                                           全ページを PDF に印刷する
  sorn-editor --print-parts DIR [ページの指定] IN.sorn
                                           パートごとの PDF をフォルダ DIR に書き出す
                                           (ファイル名はパート名)
    ページの指定: [--part N | --score | --parts 1,3] [--layout original|reading]
                  [--paper A4|A5|B4|B5] [--margin MM] [--landscape] [--compact]
                                           既定は 1 パートを元の体裁で。--score は全パート、
                                           --parts は選んだパートを、読みやすい体裁の総譜に
  sorn-editor --export-positions OUT.json [--score] IN.sorn
                                           すべての位置の時刻 (ティック, ミリ秒) と表示上の
                                           x, 譜表の y を JSON で書き出す (--score は総譜で)
  sorn-editor --save-as OUT.sorn IN.sorn   楽譜を読み込み、現在の形式で保存する
                                           (IN は .musicxml, .xml, .mxl の MusicXML でもよい)
  sorn-editor --info IN.sorn               パート数・長さ・テンポ・音色番号を JSON 1 行で出力する
                                           (題名・作曲者・パート名は、あるときだけ加える)
  sorn-editor -o OUT IN.sorn               OUT の拡張子で処理を選ぶ (.sorn, .mid, .musicxml, .mxl,
                                           .ly, .wav=1 パート, .flac/.ogg=全パートの音声, .pdf,
                                           .png/.svg=ページ)
                                           (長い形 --export-to)
  sorn-editor -h | --help | --version
  --lang en|ja                             メッセージの言語 (既定はロケールで決まる。
                                           どのコマンドにも付けられる)
パート番号は 1 から数えます。-- より後ろの引数はすべてファイル名です。
ファイル名 - は、入力なら標準入力、出力なら標準出力です。出力を - にするときは、
形式を名前に持つオプション (--export-midi など) で指定してください。
パイプ (FIFO) や端末への出力は置き換えずにそのまま書き込みます。
終了コード: 0 成功, 1 失敗, 2 使い方の誤り。
)");

template <typename... Args> Message BatchMessage(const char* source, Args&&... args) {
    return Message("Batch", source, std::forward<Args>(args)...);
}

// Message boxes of batch mode: the text goes to stderr, nobody answers.
class StderrMessageBoxes : public MessageBoxes {
public:
    explicit StderrMessageBoxes(std::ostream& err) : err_(err) {}
    MsgResult Show(std::string_view text, MsgButtons buttons, MsgIcon) override {
        err_ << text << '\n';
        return buttons == MsgButtons::YesNoCancel ? MsgResult::Cancel : MsgResult::Ok;
    }
    MsgResult ShowMessage(const Message& message, MsgButtons buttons, MsgIcon icon) override {
        return Show(Text(message, DrawnLanguage()), buttons, icon);
    }

private:
    std::ostream& err_;
};

// Commands that write a file take its name as their value.
const std::map<std::string, std::string> kOutputCommands = {
    {"--save-as", "--save-as"},
    {"--render-view", "--render-view"},
    {"--export-midi", "--export-midi"},
    {"--export-musicxml", "--export-musicxml"},
    {"--render-page", "--render-page"},
    {"--print-pdf", "--print-pdf"},
    {"--print-parts", "--print-parts"},
    {"--export-wav", "--export-wav"},
    {"--export-audio", "--export-audio"},
    {"--export-rehearsal", "--export-rehearsal"},
    {"--export-positions", "--export-positions"},
    {"--export-lilypond", "--export-lilypond"},
    {"--engrave-pdf", "--engrave-pdf"},
    {"-o", "-o"},
    {"--export-to", "-o"}};
const std::set<std::string> kPlainCommands = {"--info", "--help", "--version"};
// The commands only the program that can draw runs (after "-o" is resolved).
const std::set<std::string> kDrawingCommands = {"--render-view",  "--render-page",
                                                "--print-pdf",    "--print-parts",
                                                "--export-audio", "--export-rehearsal"};
// Numeric options, the commands they belong to and the values they take:
// min to max, or only the values listed.
struct NumberOption {
    std::set<std::string> commands;
    int min;
    int max;
    std::vector<int> only{};
};
const std::set<std::string> kAudioCommands = {"--export-audio", "--export-rehearsal"};
const std::map<std::string, NumberOption> kNumberOptions = {
    {"--part",
     {{"--render-view", "--render-page", "--print-pdf", "--export-wav", "--engrave-pdf"}, 1, 256}},
    {"--margin", {{"--render-page", "--print-pdf", "--print-parts"}, 0, 50}},
    {"--scroll", {{"--render-view"}, 0, MaxLength}},
    {"--width", {{"--render-view"}, 40, 20000}},
    // A part has no more pages than positions.
    {"--page", {{"--render-page"}, 1, MaxLength + 1}},
    {"--balance", {{"--export-rehearsal"}, 0, 24}},
    {"--sample-rate", {kAudioCommands, 44100, 48000, {44100, 48000}}},
    {"--bits", {kAudioCommands, 16, 24, {16, 24}}},
};
const std::map<std::string, std::set<std::string>> kTextOptions = {
    {"--paper", {"--render-page", "--print-pdf", "--print-parts"}},
    {"--parts", {"--render-page", "--print-pdf", "--print-parts"}},
    {"--layout", {"--render-page", "--print-pdf", "--print-parts"}},
    {"--timbre", {"--export-wav"}},
    {"--scale", {"--render-view", "--render-page"}},
    {"--soundfont", kAudioCommands},
    {"--format", {"--export-rehearsal"}},
    {"--unfold-repeats", {"--export-musicxml"}},
};
const std::map<std::string, std::set<std::string>> kFlagOptions = {
    {"--compact", {"--render-page", "--print-pdf", "--print-parts"}},
    {"--no-cursor", {"--render-view"}},
    {"--score",
     {"--render-view", "--export-positions", "--render-page", "--print-pdf", "--engrave-pdf"}},
    {"--landscape", {"--render-page", "--print-pdf", "--print-parts"}},
    {"--click", {"--export-rehearsal"}},
};

struct Request {
    std::string command;
    std::string output;
    std::string input;
    std::map<std::string, int> numbers;
    std::map<std::string, std::string> texts;
    std::set<std::string> flags;
};

bool Fail(std::ostream& err, const std::string& text) {
    err << text << '\n';
    return false;
}

bool Fail(std::ostream& err, const Message& message) {
    return Fail(err, Text(message, DrawnLanguage()));
}

// The language of the run's messages and drawn words: the locale's unless
// --lang, wherever it stands before "--", chooses. The first bad value is
// bad usage, told in the language chosen so far.
bool ChooseLanguage(const std::vector<std::string>& args, std::ostream& err) {
    SetDrawnLanguage(LanguageFromEnvironment());
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] != "--lang") continue;
        if (i + 1 == args.size())
            return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP("Batch", "値を指定してください: %1"),
                                          args[i]));
        Language chosen = DrawnLanguage();
        if (!ParseLanguage(args[++i], chosen))
            return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                              "Batch", "--lang は en か ja で指定してください: %1"),
                                          args[i]));
        SetDrawnLanguage(chosen);
    }
    return true;
}

bool Parse(const std::vector<std::string>& args, Request& request, std::ostream& err) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = optionsEnded || args[i] != "-h" ? args[i] : "--help";
        const bool hasValue = i + 1 < args.size();
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            if (!request.input.empty())
                return Fail(err,
                            BatchMessage(SORN_TRANSLATE_NOOP(
                                             "Batch", "入力ファイルは一つだけ指定してください: %1"),
                                         arg));
            request.input = arg;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--lang" && hasValue) {
            ++i; // chosen before the rest was read
        } else if (auto found = kOutputCommands.find(arg); found != kOutputCommands.end()) {
            if (!request.command.empty())
                return Fail(
                    err, BatchMessage(SORN_TRANSLATE_NOOP(
                                          "Batch", "コマンドは一度に一つだけ指定してください: %1"),
                                      arg));
            if (!hasValue)
                return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                                  "Batch", "出力ファイルを指定してください: %1"),
                                              arg));
            request.command = found->second;
            request.output = args[++i];
        } else if (kPlainCommands.count(arg)) {
            if (!request.command.empty())
                return Fail(
                    err, BatchMessage(SORN_TRANSLATE_NOOP(
                                          "Batch", "コマンドは一度に一つだけ指定してください: %1"),
                                      arg));
            request.command = arg;
        } else if (auto number = kNumberOptions.find(arg); number != kNumberOptions.end()) {
            if (!hasValue)
                return Fail(
                    err,
                    BatchMessage(SORN_TRANSLATE_NOOP("Batch", "値を指定してください: %1"), arg));
            const std::string& text = args[++i];
            const int min = number->second.min;
            const int max = number->second.max;
            const std::vector<int>& only = number->second.only;
            int value = 0;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
            const bool listed = only.empty() || std::count(only.begin(), only.end(), value);
            if (ec != std::errc{} || end != text.data() + text.size() || value < min ||
                value > max || !listed) {
                if (only.empty())
                    return Fail(
                        err, BatchMessage(SORN_TRANSLATE_NOOP(
                                              "Batch", "%1 は %2〜%3 の整数で指定してください: %4"),
                                          arg, min, max, text));
                Message values = Message::Verbatim(std::to_string(only.front()));
                for (std::size_t k = 1; k < only.size(); ++k)
                    values = BatchMessage(SORN_TRANSLATE_NOOP("Batch", "%1 か %2"),
                                          std::move(values), only[k]);
                return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                                  "Batch", "%1 は %2 で指定してください: %3"),
                                              arg, std::move(values), text));
            }
            request.numbers[arg] = value;
        } else if (kTextOptions.count(arg)) {
            if (!hasValue)
                return Fail(
                    err,
                    BatchMessage(SORN_TRANSLATE_NOOP("Batch", "値を指定してください: %1"), arg));
            request.texts[arg] = args[++i];
        } else if (kFlagOptions.count(arg)) {
            request.flags.insert(arg);
        } else {
            return Fail(
                err, BatchMessage(SORN_TRANSLATE_NOOP("Batch", "不明なオプションです: %1"), arg));
        }
    }
    const bool needsInput = request.command != "--help" && request.command != "--version";
    if (request.command.empty() || (needsInput && request.input.empty()))
        return Fail(err,
                    BatchMessage(SORN_TRANSLATE_NOOP(
                        "Batch", "使い方が正しくありません。sorn-editor --help をご覧ください。")));
    return true;
}

std::string Extension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// An audio format by its extension's name, any case: "wav", "FLAC", "ogg".
std::optional<AudioFormat> FormatNamed(const std::string& name) {
    if (name.find_first_of("./") != std::string::npos) return std::nullopt;
    return AudioFormatOf("a." + name);
}

// "-o" becomes the command its extension names.
bool ResolveOutputCommand(Request& request, std::ostream& err) {
    if (request.command == "-o") {
        static const std::map<std::string, std::string> byExtension = {
            {".sorn", "--save-as"},
            {".png", "--render-page"},
            {".svg", "--render-page"},
            {".mid", "--export-midi"},
            {".musicxml", "--export-musicxml"},
            {".mxl", "--export-musicxml"},
            {".ly", "--export-lilypond"},
            {".pdf", "--print-pdf"},
            {".wav", "--export-wav"},
            {".flac", "--export-audio"},
            {".ogg", "--export-audio"}};
        auto found = byExtension.find(Extension(request.output));
        if (found == byExtension.end())
            return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                              "Batch", "この拡張子の出力には対応していません: %1"),
                                          request.output));
        request.command = found->second;
    }
    // The format is the name's; standard output has none to tell it.
    if (request.command == "--export-audio" && !AudioFormatOf(request.output))
        return Fail(err,
                    BatchMessage(SORN_TRANSLATE_NOOP(
                                     "Batch", "--export-audio の出力ファイルの名前は .wav, .flac, "
                                              ".ogg のどれかで終えてください: %1"),
                                 request.output));
    if (auto unfold = request.texts.find("--unfold-repeats");
        unfold != request.texts.end() && !UnfoldRepeatsNamed(unfold->second))
        return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                          "Batch", "--unfold-repeats は auto, always, never の"
                                                   "どれかで指定してください: %1"),
                                      unfold->second));
    if (request.command == "--export-rehearsal" && request.output == "-")
        return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                             "Batch", "--export-rehearsal の出力はフォルダです。"
                                      "標準出力には書き出せません。")));
    if (auto format = request.texts.find("--format");
        format != request.texts.end() && !FormatNamed(format->second))
        return Fail(
            err,
            BatchMessage(SORN_TRANSLATE_NOOP(
                             "Batch", "--format は wav, flac, ogg のどれかで指定してください: %1"),
                         format->second));
    auto allowed = [&](const auto& table, const std::string& option) {
        return table.at(option).count(request.command) != 0;
    };
    for (const auto& [option, value] : request.numbers)
        if (!kNumberOptions.at(option).commands.count(request.command))
            return Fail(
                err, BatchMessage(
                         SORN_TRANSLATE_NOOP("Batch", "このコマンドでは使えないオプションです: %1"),
                         option));
    for (const auto& [option, value] : request.texts)
        if (!allowed(kTextOptions, option))
            return Fail(
                err, BatchMessage(
                         SORN_TRANSLATE_NOOP("Batch", "このコマンドでは使えないオプションです: %1"),
                         option));
    for (const auto& option : request.flags)
        if (!allowed(kFlagOptions, option))
            return Fail(
                err, BatchMessage(
                         SORN_TRANSLATE_NOOP("Batch", "このコマンドでは使えないオプションです: %1"),
                         option));
    return true;
}

bool ReadScore(SornData& doc, const std::string& path, std::ostream& err) {
    StderrMessageBoxes boxes(err);
    std::error_code error;
    const OpenResult result = IsMusicXmlName(path) ? OpenMusicXml(doc, path, boxes, &error)
                                                   : doc.FileOpen(path, boxes, &error);
    switch (result) {
    case OpenResult::Opened:
        return true;
    case OpenResult::NotAScore:
        return Fail(err, BatchMessage(
                             SORN_TRANSLATE_NOOP("Batch", "楽譜ファイルではありません: %1"), path));
    case OpenResult::Refused:
        return false;
    case OpenResult::Failed:
        return Fail(err, texts::OpenFailed(path, error));
    }
    return false;
}

// A JSON string; the words are UTF-8 already, so only quotes, backslashes
// and control characters need escaping.
void PrintJsonString(std::ostream& out, const std::string& text) {
    out << '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out << "\\u00" << kHex[c >> 4] << kHex[c & 0xF];
        } else {
            out << c;
        }
    }
    out << '"';
}

// The words are added only when the score has them, so the line of a score
// without them stays as scripts have always read it.
void PrintInfo(const SornData& doc, std::ostream& out) {
    out << "{\"parts\":" << doc.PartSuu() + 1 << ",\"length\":" << doc.Length()
        << ",\"tempo\":" << doc.Speed() << ",\"instruments\":[";
    for (int part = 0; part <= doc.PartSuu(); ++part)
        out << (part ? "," : "") << int{doc.GetInstrumentNumber(static_cast<std::uint8_t>(part))};
    out << "]";
    for (auto [key, which] :
         {std::pair{"title", ScoreText::Title}, std::pair{"composer", ScoreText::Composer}})
        if (!doc.Text(which).empty()) {
            out << ",\"" << key << "\":";
            PrintJsonString(out, doc.Text(which));
        }
    bool named = false;
    for (int part = 0; part <= doc.PartSuu(); ++part)
        named = named || !doc.GetPartText(static_cast<std::uint8_t>(part), PartText::Name).empty();
    if (named) {
        out << ",\"partNames\":[";
        for (int part = 0; part <= doc.PartSuu(); ++part) {
            if (part) out << ",";
            PrintJsonString(out, doc.GetPartText(static_cast<std::uint8_t>(part), PartText::Name));
        }
        out << "]";
    }
    out << "}\n";
}

// A part number from the command line (counted from 1), or part 1.
bool PartOption(const Request& request, const SornData& doc, std::uint8_t& part,
                std::ostream& err) {
    auto found = request.numbers.find("--part");
    const int n = found == request.numbers.end() ? 1 : found->second;
    if (n < 1 || n > doc.PartSuu() + 1)
        return Fail(err,
                    BatchMessage(SORN_TRANSLATE_NOOP("Batch", "パート %1 はありません (1〜%2)"), n,
                                 doc.PartSuu() + 1));
    part = static_cast<std::uint8_t>(n - 1);
    return true;
}

// Where the timbres lie: beside the program or in its installed data folder.
std::string ProgramFolder() {
    return RunningProgramDataFolder();
}

// The window shows an export's own message after the user chose the file;
// on the command line it also says which file it was.
Message ExportFailed(Message format, const Request& request, Message problem) {
    return BatchMessage(SORN_TRANSLATE_NOOP("Batch", "%1ファイルを書き出せませんでした。\n%2\n%3"),
                        std::move(format), request.output, std::move(problem));
}

int Number(const Request& request, const std::string& option, int fallback) {
    auto found = request.numbers.find(option);
    return found == request.numbers.end() ? fallback : found->second;
}

// --format of the rehearsal tracks, checked with the usage; WAV unless told.
AudioFormat RehearsalFormat(const Request& request) {
    auto found = request.texts.find("--format");
    return found == request.texts.end() ? AudioFormat::Wav
                                        : FormatNamed(found->second).value_or(AudioFormat::Wav);
}

// What pages to print: one part in its original pages unless the score,
// chosen parts or the reading layout are asked for.
bool PageOptions(const Request& request, const SornData& doc, PageRequest& page,
                 std::ostream& err) {
    const bool score = request.flags.count("--score") != 0;
    auto parts = request.texts.find("--parts");
    if ((score || parts != request.texts.end()) && request.numbers.count("--part"))
        return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                             "Batch", "--part と --score, --parts は一緒に指定できません。")));
    if (!PartOption(request, doc, page.part, err)) return false;
    page.parts = {page.part};
    if (score) {
        page.parts.clear();
        for (int p = 0; p < doc.PartCount(); ++p)
            page.parts.push_back(static_cast<std::uint8_t>(p));
    } else if (parts != request.texts.end()) {
        std::set<std::uint8_t> chosen;
        std::string_view text = parts->second;
        while (true) {
            const std::size_t comma = text.find(',');
            const std::string_view item = text.substr(0, comma);
            int n = 0;
            auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), n);
            if (ec != std::errc{} || end != item.data() + item.size() || n < 1 ||
                n > doc.PartCount())
                return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                                  "Batch", "--parts はパート番号 (1〜%1) をコンマで"
                                                           "区切って指定してください: %2"),
                                              doc.PartCount(), parts->second));
            chosen.insert(static_cast<std::uint8_t>(n - 1));
            if (comma == std::string_view::npos) break;
            text.remove_prefix(comma + 1);
        }
        page.parts.assign(chosen.begin(), chosen.end());
    }
    const bool sheets = request.command == "--print-parts";
    // Part sheets are for every part unless some are chosen, and read well.
    if (sheets && parts == request.texts.end() && !request.numbers.count("--part")) {
        page.parts.clear();
        for (int p = 0; p < doc.PartCount(); ++p)
            page.parts.push_back(static_cast<std::uint8_t>(p));
    }
    page.reading = sheets || score || parts != request.texts.end();
    if (auto layout = request.texts.find("--layout"); layout != request.texts.end()) {
        if (layout->second != "original" && layout->second != "reading")
            return Fail(
                err,
                BatchMessage(SORN_TRANSLATE_NOOP(
                                 "Batch", "--layout は original か reading で指定してください: %1"),
                             layout->second));
        page.reading = layout->second == "reading";
    }
    if (!page.reading && page.parts.size() > 1 && !sheets)
        return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                             "Batch", "元の体裁で印刷できるのは 1 パートだけです。"
                                      "--layout reading を指定してください。")));
    page.part = page.parts.front();
    page.compact = request.flags.count("--compact") != 0;
    page.landscape = request.flags.count("--landscape") != 0;
    page.marginMm = Number(request, "--margin", 15);
    if (auto paper = request.texts.find("--paper"); paper != request.texts.end())
        if (!PaperByName(paper->second, page.paper))
            return Fail(
                err,
                BatchMessage(SORN_TRANSLATE_NOOP(
                                 "Batch", "用紙は A4, A5, B4, B5 のどれかを指定してください: %1"),
                             paper->second));
    return true;
}

// --scale: a picture 1 to 8 times the window's or the page's size.
bool ScaleOption(const Request& request, double& scale, std::ostream& err) {
    auto found = request.texts.find("--scale");
    if (found == request.texts.end()) return true;
    const std::string& text = found->second;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !(value >= 1 && value <= 8))
        return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                          "Batch", "--scale は 1〜8 の数で指定してください: %1"),
                                      text));
    scale = value;
    return true;
}

} // namespace

bool IsBatchCommandLine(const std::vector<std::string>& args) {
    // Any option before "--", known or not: a mistyped one is bad usage, not
    // a score to open. "-" alone is a file name.
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg.size() > 1 && arg[0] == '-') return true;
    }
    return false;
}

int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const BatchDrawing* drawing) {
    Request request;
    if (!ChooseLanguage(args, err)) return kUsage;
    if (!Parse(args, request, err) || !ResolveOutputCommand(request, err)) return kUsage;
    if (!drawing && kDrawingCommands.count(request.command)) return kBatchNeedsDrawing;
    if (request.command == "--help") {
        out << Text(BatchMessage(kHelp), DrawnLanguage());
        return kOk;
    }
    if (request.command == "--version") {
        out << Text(BatchMessage(SORN_TRANSLATE_NOOP("Batch", "SORN楽譜エディタ %1"), kVersionText),
                    DrawnLanguage())
            << '\n';
        return kOk;
    }
    SornData doc;
    if (!ReadScore(doc, request.input, err)) return kFailed;
    if (request.command == "--info") {
        PrintInfo(doc, out);
        return kOk;
    }
    if (request.command == "--export-midi") {
        const Message problem = ExportMidi(doc, request.output);
        return !problem ? kOk
                        : (Fail(err, ExportFailed(Message::Verbatim("MIDI"), request, problem)),
                           kFailed);
    }
    if (request.command == "--export-musicxml") {
        auto named = request.texts.find("--unfold-repeats");
        const UnfoldRepeats unfold =
            named == request.texts.end()
                ? UnfoldRepeats::Auto
                : UnfoldRepeatsNamed(named->second).value_or(UnfoldRepeats::Auto);
        const Message problem = ExportMusicXmlFile(doc, request.output, nullptr, unfold);
        if (problem) return Fail(err, problem), kFailed;
        if (const Message notice = UnfoldedNotice(doc, unfold))
            err << Text(notice, DrawnLanguage()) << '\n';
        return kOk;
    }
    if (request.command == "--export-lilypond" || request.command == "--engrave-pdf") {
        LilyPondChoice choice; // the full score unless one part is asked for
        if (request.numbers.count("--part") && request.flags.count("--score"))
            return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                 "Batch", "--part と --score は一緒に指定できません。"))),
                   kUsage;
        if (request.numbers.count("--part")) {
            choice.parts.emplace_back();
            if (!PartOption(request, doc, choice.parts.back(), err)) return kFailed;
        }
        const Message problem = request.command == "--engrave-pdf"
                                    ? EngravePdfFile(doc, choice, request.output)
                                    : ExportLilyPondFile(doc, request.output);
        return !problem ? kOk : (Fail(err, problem), kFailed);
    }
    if (request.command == "--export-positions") {
        const std::string json = PositionsJson(doc, request.flags.count("--score") != 0);
        if (const std::error_code ec =
                AtomicFile::WriteAll(request.output, json.data(), json.size()))
            return Fail(err, BatchMessage(SORN_TRANSLATE_NOOP(
                                              "Batch", "位置の一覧を書き出せませんでした: %1\n%2"),
                                          request.output, ErrorReason(ec, FileAction::Write))),
                   kFailed;
        return kOk;
    }
    if (request.command == "--export-wav") {
        std::uint8_t part = 0;
        if (!PartOption(request, doc, part, err)) return kFailed;
        auto timbre = request.texts.find("--timbre");
        const std::string name =
            timbre == request.texts.end() ? std::string(DefaultTimbreName) : timbre->second;
        const std::string problem =
            ExportWav(doc, part, ProgramFolder(), name, request.output, nullptr, DrawnLanguage());
        return problem.empty() ? kOk
                               : (Fail(err, ExportFailed(Message::Verbatim("WAV"), request,
                                                         Message::Verbatim(problem))),
                                  kFailed);
    }
    if (request.command == "--export-audio" || request.command == "--export-rehearsal") {
        AudioSettings settings;
        if (auto soundFont = request.texts.find("--soundfont"); soundFont != request.texts.end())
            settings.soundFont = soundFont->second;
        settings.sampleRate = Number(request, "--sample-rate", settings.sampleRate);
        settings.bits = Number(request, "--bits", settings.bits);
        if (request.command == "--export-audio") {
            const std::string problem = drawing->exportAudio(doc, request.output, settings);
            return problem.empty()
                       ? kOk
                       : (Fail(err, ExportFailed(BatchMessage(SORN_TRANSLATE_NOOP("Batch", "音声")),
                                                 request, Message::Verbatim(problem))),
                          kFailed);
        }
        const std::string problem = drawing->exportRehearsal(
            doc, request.output, RehearsalFormat(request), settings,
            Number(request, "--balance", 6), request.flags.count("--click") != 0);
        return problem.empty()
                   ? kOk
                   : (Fail(err,
                           BatchMessage(
                               SORN_TRANSLATE_NOOP(
                                   "Batch", "パート練習用の音源を書き出せませんでした。\n%1\n%2"),
                               request.output, problem)),
                      kFailed);
    }
    if (request.command == "--render-view") {
        ViewRequest view;
        if (!PartOption(request, doc, view.part, err)) return kFailed;
        view.scroll = Number(request, "--scroll", 0);
        view.windowWidth = Number(request, "--width", view.windowWidth);
        view.cursor = request.flags.count("--no-cursor") == 0;
        view.fullScore = request.flags.count("--score") != 0;
        if (!ScaleOption(request, view.scale, err)) return kUsage;
        std::string problem = drawing->renderView(doc, view, request.output);
        return problem.empty() ? kOk : (Fail(err, problem), kFailed);
    }
    if (request.command == "--render-page" || request.command == "--print-pdf" ||
        request.command == "--print-parts") {
        PageRequest page;
        if (!PageOptions(request, doc, page, err)) return kUsage;
        page.page = Number(request, "--page", 1) - 1;
        if (!ScaleOption(request, page.scale, err)) return kUsage;
        const std::string problem =
            request.command == "--print-pdf"     ? drawing->printPdf(doc, page, request.output)
            : request.command == "--print-parts" ? drawing->printParts(doc, page, request.output)
                                                 : drawing->renderPage(doc, page, request.output);
        return problem.empty() ? kOk : (Fail(err, problem), kFailed);
    }
    if (std::error_code error = doc.FileSave(request.output)) {
        err << Text(texts::SaveFailed(request.output, error), DrawnLanguage()) << '\n';
        return kFailed;
    }
    return kOk;
}

} // namespace sorn
