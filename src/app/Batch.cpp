#include "app/Batch.h"

#include "app/ErrorTexts.h"
#include "app/Version.h"
#include "model/SornData.h"

#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>

namespace sorn {

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kHelp = R"(使い方:
  sorn-editor [FILE.sorn]                  エディタを開く
  sorn-editor --save-as OUT.sorn IN.sorn   楽譜を読み込み、現在の形式で保存する
  sorn-editor --info IN.sorn               パート数・長さ・テンポ・音色番号を JSON 1 行で出力する
  sorn-editor -o OUT IN.sorn               OUT の拡張子で処理を選ぶ (.sorn)
                                           (長い形 --export-to)
  sorn-editor --help | --version
パート番号は 1 から数えます。終了コード: 0 成功, 1 失敗, 2 使い方の誤り。
)";

// Message boxes of batch mode: the text goes to stderr, nobody answers.
class StderrMessageBoxes : public MessageBoxes {
public:
    explicit StderrMessageBoxes(std::ostream& err) : err_(err) {}
    MsgResult Show(std::string_view text, MsgButtons buttons, MsgIcon) override {
        err_ << text << '\n';
        return buttons == MsgButtons::YesNoCancel ? MsgResult::Cancel : MsgResult::Ok;
    }

private:
    std::ostream& err_;
};

struct Request {
    std::string command; // the option that names the work
    std::string output;
    std::string input;
};

// Options that name the work and take the output file as their value.
const std::map<std::string, std::string> kOutputCommands = {
    {"--save-as", "--save-as"}, {"-o", "-o"}, {"--export-to", "-o"}};

bool Parse(const std::vector<std::string>& args, Request& request, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (auto found = kOutputCommands.find(arg); found != kOutputCommands.end()) {
            if (!request.command.empty() || i + 1 >= args.size()) {
                err << "使い方が正しくありません: " << arg << '\n';
                return false;
            }
            request.command = found->second;
            request.output = args[++i];
        } else if (arg == "--info" || arg == "--help" || arg == "--version") {
            if (!request.command.empty()) {
                err << "コマンドは一度に一つだけ指定してください: " << arg << '\n';
                return false;
            }
            request.command = arg;
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "不明なオプションです: " << arg << '\n';
            return false;
        } else if (request.input.empty()) {
            request.input = arg;
        } else {
            err << "入力ファイルは一つだけ指定してください: " << arg << '\n';
            return false;
        }
    }
    const bool needsInput = request.command != "--help" && request.command != "--version";
    if (request.command.empty() || (needsInput && request.input.empty())) {
        err << "使い方が正しくありません。sorn-editor --help をご覧ください。\n";
        return false;
    }
    return true;
}

bool ReadScore(SornData& doc, const std::string& path, std::ostream& err) {
    StderrMessageBoxes boxes(err);
    std::error_code error;
    switch (doc.FileOpen(path, boxes, &error)) {
    case OpenResult::Opened:
        return true;
    case OpenResult::NotAScore:
        err << "楽譜ファイルではありません: " << path << '\n';
        return false;
    case OpenResult::Refused:
        return false;
    case OpenResult::Failed:
        err << "ファイルを開くことができませんでした。\n"
            << path << '\n'
            << ErrorReason(error) << '\n';
        return false;
    }
    return false;
}

int SaveScore(SornData& doc, const std::string& path, std::ostream& err) {
    if (std::error_code error = doc.FileSave(path)) {
        err << "楽譜を保存できませんでした。\n" << path << '\n' << ErrorReason(error) << '\n';
        return kFailed;
    }
    return kOk;
}

void PrintInfo(const SornData& doc, std::ostream& out) {
    out << "{\"parts\":" << doc.PartSuu() + 1 << ",\"length\":" << doc.Length()
        << ",\"tempo\":" << doc.Speed() << ",\"instruments\":[";
    for (int part = 0; part <= doc.PartSuu(); ++part)
        out << (part ? "," : "") << int{doc.GetInstrumentNumber(static_cast<std::uint8_t>(part))};
    out << "]}\n";
}

std::string Extension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

} // namespace

bool IsBatchCommandLine(const std::vector<std::string>& args) {
    for (const auto& arg : args)
        if (arg == "-o" || arg.rfind("--", 0) == 0) return true;
    return false;
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Request request;
    if (!Parse(args, request, err)) return kUsage;
    if (request.command == "--help") {
        out << kHelp;
        return kOk;
    }
    if (request.command == "--version") {
        out << "SORN楽譜エディタ " << kVersionText << '\n';
        return kOk;
    }
    if (request.command == "-o" && Extension(request.output) != ".sorn") {
        err << "この拡張子の出力には対応していません: " << request.output << '\n';
        return kUsage;
    }
    SornData doc;
    if (!ReadScore(doc, request.input, err)) return kFailed;
    if (request.command == "--info") {
        PrintInfo(doc, out);
        return kOk;
    }
    return SaveScore(doc, request.output, err);
}

} // namespace sorn
