// The batch command line: what it does, what it prints, how it exits.

#include "app/Batch.h"
#include "model/SornData.h"
#include "platform/PrintJob.h"
#include "support/Examples.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace sorn::test {
namespace {

struct BatchRun {
    int code;
    std::string out;
    std::string err;
};

BatchRun Batch(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = RunBatch(args, out, err);
    return {code, out.str(), err.str()};
}

std::string WriteScore(const TempDir& dir) {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.AddPart();
    doc.SetSpeed(120);
    doc.SetInstrumentNumber(1, "40");
    doc.SetInstrumentNumber(2, "127");
    doc.SetLength(64);
    doc.SetGData1(2, 64, 0, 9, 3);
    EXPECT_FALSE(doc.FileSave(dir.File("in.sorn")));
    return dir.File("in.sorn");
}

TEST(Batch, WhichArgumentsMeanBatch) {
    EXPECT_FALSE(IsBatchCommandLine({}));
    EXPECT_FALSE(IsBatchCommandLine({"/home/u/a.sorn"}));
    EXPECT_TRUE(IsBatchCommandLine({"--info", "a.sorn"}));
    EXPECT_TRUE(IsBatchCommandLine({"-o", "x.sorn", "a.sorn"}));
    // Any option is batch work (an unknown one is bad usage, not a window
    // without a display); names after "--" and a lone "-" are not options.
    EXPECT_TRUE(IsBatchCommandLine({"-h"}));
    EXPECT_TRUE(IsBatchCommandLine({"-x", "a.sorn"}));
    EXPECT_FALSE(IsBatchCommandLine({"--", "-x.sorn"}));
    EXPECT_FALSE(IsBatchCommandLine({"-"}));
}

TEST(Batch, InfoAndPositionsAreJson) {
    TempDir dir;
    BatchRun r = Batch({"--info", WriteScore(dir)});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "{\"parts\":3,\"length\":64,\"tempo\":120,\"instruments\":[0,40,127]}\n");
    // Title, composer and part names join the line only when the score has them.
    SornData words;
    words.FileNew();
    words.AddPart();
    words.SetText(ScoreText::Title, "春 \"1\"\\\n\x01");
    words.SetPartText(1, PartText::Name, "Alto");
    ASSERT_FALSE(words.FileSave(dir.File("words.sorn")));
    EXPECT_EQ(Batch({"--info", dir.File("words.sorn")}).out,
              "{\"parts\":2,\"length\":30,\"tempo\":60,\"instruments\":[0,0],"
              "\"title\":\"春 \\\"1\\\"\\\\\\u000a\\u0001\",\"partNames\":[\"\",\"Alto\"]}\n");
    words.SetText(ScoreText::Title, "");
    words.SetText(ScoreText::Composer, "C");
    ASSERT_FALSE(words.FileSave(dir.File("words.sorn")));
    EXPECT_EQ(Batch({"--info", dir.File("words.sorn")}).out,
              "{\"parts\":2,\"length\":30,\"tempo\":60,\"instruments\":[0,0],"
              "\"composer\":\"C\",\"partNames\":[\"\",\"Alto\"]}\n");
    // In the full score the third part's rest stands after the 64 empty
    // positions before it, at time 0.
    r = Batch({"--export-positions", dir.File("at.json"), "--score", dir.File("in.sorn")});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::vector<std::uint8_t> bytes = ReadBytes(dir.File("at.json"));
    const std::string json(bytes.begin(), bytes.end());
    EXPECT_EQ(json.rfind("{\"layout\":\"score\",\"tempo\":120,\"ticksPerWhole\":1024,", 0), 0u);
    EXPECT_NE(json.find("\"part\":3,\"staffTop\":288,"), std::string::npos);
    EXPECT_NE(json.find("{\"position\":64,\"ticks\":0,\"ms\":0.000,\"x\":2712}]"),
              std::string::npos);
}

TEST(Batch, SaveAsRewritesTheSameScore) {
    TempDir dir;
    const std::string in = WriteScore(dir);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--save-as", dir.File("out.sorn"), in},
                                               {"-o", dir.File("out2.SORN"), in},
                                               {in, "--export-to", dir.File("out3.sorn")}}) {
        BatchRun r = Batch(args);
        EXPECT_EQ(r.code, 0) << r.err;
    }
    EXPECT_EQ(ReadBytes(dir.File("out.sorn")), ReadBytes(in));
    EXPECT_EQ(ReadBytes(dir.File("out2.SORN")), ReadBytes(in));
    EXPECT_EQ(ReadBytes(dir.File("out3.sorn")), ReadBytes(in));
}

TEST(Batch, OlderFormatIsWrittenAsCurrent) {
    TempDir dir;
    std::vector<std::uint8_t> old = {'s', 'O', 'R', 'N', 'O', 'R', 'N', '1', 0, 0, 0,
                                     0,   0,   0,   0,   0,   0,   20,  0,   0, 0};
    old.resize(21 + 10 + 30 * 21, 0);
    old[31] = 9;      // a rest at position 0
    old[31 + 15] = 2; // of half length
    WriteBytes(dir.File("old.sorn"), old);
    ASSERT_EQ(Batch({"--save-as", dir.File("new.sorn"), dir.File("old.sorn")}).code, 0);
    BatchRun info = Batch({"--info", dir.File("new.sorn")});
    EXPECT_EQ(info.out, "{\"parts\":1,\"length\":20,\"tempo\":60,\"instruments\":[0]}\n");
    const auto bytes = ReadBytes(dir.File("new.sorn"));
    ASSERT_EQ(bytes.size(), 23u + 5 + 30 * 21);
    EXPECT_EQ(bytes[28], 9);
    EXPECT_EQ(bytes[28 + 15], 2);
}

TEST(Batch, FailuresAndBadUsage) {
    TempDir dir;
    WriteBytes(dir.File("text.txt"), {'x'});
    BatchRun notScore = Batch({"--info", dir.File("text.txt")});
    EXPECT_EQ(notScore.code, 1);
    EXPECT_NE(notScore.err.find("楽譜ファイルではありません"), std::string::npos);
    EXPECT_EQ(Batch({"--info", dir.File("missing.sorn")}).code, 1);
    BatchRun cannotWrite = Batch({"--save-as", dir.File("nowhere/out.sorn"), WriteScore(dir)});
    EXPECT_EQ(cannotWrite.code, 1);
    EXPECT_NE(cannotWrite.err.find("楽譜を保存できませんでした。"), std::string::npos);

    // The same open and save texts as the window's, and the output file of
    // a failed export named.
    EXPECT_NE(cannotWrite.err.find("元のファイルは変更されていません。"), std::string::npos);
    BatchRun midi = Batch({"--export-midi", dir.File("nowhere/out.mid"), WriteScore(dir)});
    EXPECT_EQ(midi.err, "MIDIファイルを書き出せませんでした。\n" + dir.File("nowhere/out.mid") +
                            "\n" + std::to_string(ENOENT) + "保存先のフォルダが見つかりません。\n");
    WriteBytes(dir.File("damaged.sorn"), {'s', 'O', 'R', 'N', 'O', 'R', 'N', '2', 11, 0,  0, 0,
                                          7,   0,   0,   0,   255, 30,  0,   0,   0,  60, 0});
    EXPECT_EQ(Batch({"--info", dir.File("damaged.sorn")}).err,
              "このファイルは壊れているため開くことができません。\n");

    // Bad usage: numbers out of their range or past int, unknown options.
    const std::string in = WriteScore(dir);
    const std::string png = dir.File("p.png");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--info"},
             {"--save-as"},
             {"--frobnicate", "a.sorn"},
             {"-x", in},
             {"-o", dir.File("x.xyz"), in},
             {"--info", "a.sorn", "b.sorn"},
             {"--render-page", png, "--page", "-2147483648", in},
             {"--render-page", png, "--page", "0", in},
             {"--render-page", png, "--page", "99999999999999999999", in},
             {"--render-view", png, "--scroll", "-1", in},
             {"--render-view", png, "--width", "2147483647", in},
             {"--export-wav", dir.File("a.wav"), "--part", "0", in},
             {"--export-wav", dir.File("a.wav"), "--part", "257", in},
             {"--render-page", png, "--page", "1x", in},
             {"--print-pdf", png, "--parts", "1,4", in},
             {"--print-pdf", png, "--parts", "1,,2", in},
             {"--print-pdf", png, "--score", "--part", "2", in},
             {"--print-pdf", png, "--score", "--layout", "original", in},
             {"--print-pdf", png, "--layout", "sideways", in},
             {"--print-pdf", png, "--margin", "51", in},
             {"--export-audio", dir.File("a.mp3"), in},
             {"--export-audio", "-", in},
             {"--export-audio", dir.File("a.flac"), "--sample-rate", "22050", in},
             {"--export-audio", dir.File("a.flac"), "--bits", "8", in},
             {"--export-audio", dir.File("a.flac"), "--click", in},
             {"--export-audio", dir.File("a.flac"), "--balance", "6", in},
             {"-o", dir.File("a.ogg"), "--timbre", "x.hki2", in},
             {"-o", dir.File("a.wav"), "--soundfont", "gm.sf2", in},
             {"--export-rehearsal", dir.File("r"), "--balance", "25", in},
             {"--export-rehearsal", dir.File("r"), "--balance", "-1", in},
             {"--export-rehearsal", dir.File("r"), "--format", "mp3", in},
             {"--export-rehearsal", dir.File("r"), "--format", "x.wav", in},
             {"--export-rehearsal", "-", in},
             {"--info", "--", "-x", in}}) {
        const BatchRun r = Batch(args);
        EXPECT_EQ(r.code, 2) << args[0] << " " << args.back() << ": " << r.err;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(Batch({"--render-page", png, "--page", "-5", in}).err,
              "--page は 1〜32768 の整数で指定してください: -5\n");
    EXPECT_EQ(Batch({"--export-rehearsal", png, "--sample-rate", "44101", in}).err,
              "--sample-rate は 44100 か 48000 で指定してください: 44101\n");
    // The audio options where they belong are good usage, whatever the render gives.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"-o", dir.File("a.OGG"), "--soundfont", dir.File("gm.sf2"), "--bits", "24", in},
             {"--export-rehearsal", dir.File("r"), "--format", "FLAC", "--balance", "0", "--click",
              "--sample-rate", "48000", in}})
        EXPECT_NE(Batch(args).code, 2) << args[0];
    // After "--" a name that looks like an option is a file.
    std::filesystem::copy_file(in, dir.File("-in.sorn"));
    EXPECT_EQ(Batch({"--info", "--", dir.File("-in.sorn")}).code, 0);
}

// Scores read from standard input ("-" or /dev/stdin) and from a FIFO; a
// FIFO nobody writes to ends with a message instead of waiting forever.
TEST(Batch, InputsThatAreStreams) {
    TempDir dir;
    const std::string in = WriteScore(dir);
    const std::string info =
        "{\"parts\":3,\"length\":64,\"tempo\":120,\"instruments\":[0,40,127]}\n";
    auto run = [&](const std::string& shell) {
        const std::string command = "(" + shell + ") > '" + dir.File("out.txt") + "' 2>&1";
        const int status = std::system(command.c_str());
        const auto out = ReadBytes(dir.File("out.txt"));
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                         std::string(out.begin(), out.end())};
    };
    const std::string exe = SORN_EDITOR_EXE;
    EXPECT_EQ(run("cat '" + in + "' | " + exe + " --info -"), std::pair(0, info));
    EXPECT_EQ(run("cat '" + in + "' | " + exe + " --info /dev/stdin"), std::pair(0, info));
    EXPECT_EQ(run(exe + " --info - < '" + in + "'"), std::pair(0, info));
    EXPECT_EQ(run(exe + " --info /dev/zero").first, 1);

    const std::string fifo = dir.File("fifo.sorn");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(run("(sleep 1; cat '" + in + "' > '" + fifo + "') & " + exe + " --info '" + fifo +
                  "'; wait"),
              std::pair(0, info));
    const auto start = std::chrono::steady_clock::now();
    const auto [code, text] = run("timeout 30 " + exe + " --info '" + fifo + "'");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(code, 1);
    EXPECT_NE(text.find("データが届きませんでした。"), std::string::npos) << text;
}

TEST(Batch, HelpAndVersion) {
    BatchRun help = Batch({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(Batch({"-h"}).out, help.out);
    EXPECT_NE(help.out.find("-- より後ろ"), std::string::npos);
    EXPECT_NE(help.out.find("--save-as"), std::string::npos);
    EXPECT_NE(help.out.find("--info"), std::string::npos);
    EXPECT_EQ(Batch({"--version"}).out, "SORN楽譜エディタ 2.5.0\n");
}

// --lang before or after the command, else the locale; the C locale is Japanese.
TEST(Batch, LanguageOfTheMessages) {
    const std::string missing = "/nonexistent/score.sorn";
    const struct {
        const char* lang;
        std::vector<std::string> args;
        int code;
        std::string said; // the start of what is printed
    } cases[] = {
        {"C", {"--help"}, 0, "使い方:\n"},
        {"C", {"--lang", "en", "--help"}, 0, "Usage:\n"},
        {"ja_JP.UTF-8", {"--help", "--lang", "en"}, 0, "Usage:\n"},
        {"en_US.UTF-8", {"--help"}, 0, "Usage:\n"},
        {"en_US.UTF-8", {"--lang", "ja", "--help"}, 0, "使い方:\n"},
        {"C",
         {"--lang", "en", "--info", missing},
         1,
         "The file could not be opened.\n" + missing + "\nThe file was not found.\n"},
        {"C",
         {"--info", missing},
         1,
         "ファイルを開くことができませんでした。\n" + missing + "\nファイルが見つかりません。\n"},
        {"C", {"--lang", "xx", "--help"}, 2, "--lang は en か ja で指定してください: xx\n"},
        {"C",
         {"--lang", "en", "--info", "--lang", "xx", missing},
         2,
         "--lang takes en or ja: xx\n"},
        {"C", {"--lang", "en", "--bogus"}, 2, "Unknown option: --bogus\n"},
    };
    const char* saved = std::getenv("LANG");
    const std::string before = saved ? saved : "";
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    for (const auto& c : cases) {
        setenv("LANG", c.lang, 1);
        const BatchRun run = Batch(c.args);
        EXPECT_EQ(run.code, c.code) << c.lang << " " << c.args[0];
        EXPECT_EQ((c.code ? run.err : run.out).substr(0, c.said.size()), c.said) << c.lang;
    }
    // The English help keeps its descriptions in the Japanese one's column.
    setenv("LANG", "en_US.UTF-8", 1);
    std::istringstream help(Batch({"--help"}).out);
    for (std::string line; std::getline(help, line);) {
        const std::size_t start = line.find_first_not_of(' ');
        const std::size_t gap = start == std::string::npos ? start : line.find("   ", start);
        const std::size_t column =
            gap == std::string::npos ? start : line.find_first_not_of(' ', gap);
        if (column != std::string::npos && (gap != std::string::npos || start > 20)) {
            EXPECT_EQ(column, 43u) << line;
        }
    }
    saved ? setenv("LANG", before.c_str(), 1) : unsetenv("LANG");
}

// The program users start needs no display for batch work, and runs the
// commands that draw nothing without the toolkit: no Qt library among what
// it loads, and the same bytes, messages and exit codes as the drawing
// program that ran them before.
TEST(Batch, CommandsThatDrawNothingRunWithoutTheToolkit) {
    TempDir dir;
    const std::string in = WriteScore(dir);
    const std::string frontEnd = SORN_EDITOR_EXE;
    const std::string drawing =
        (std::filesystem::path(frontEnd).parent_path() / "sorn-editor-qt").string();
    auto run = [&](const std::string& program, const std::string& args, const std::string& out) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    program + " " + args + " > '" + out + ".stdout' 2> '" + out +
                                    ".stderr'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // The arguments, with {} for the output file's name.
    const std::string table[] = {"--version",
                                 "--help",
                                 "--info",
                                 "--bogus",
                                 "--save-as {}.sorn",
                                 "-o {}.mid",
                                 "-o {}.wav",
                                 "-o {}.musicxml",
                                 "-o {}.mxl",
                                 "-o {}.ly",
                                 "--export-positions {}.json",
                                 "-o {}.txt"};
    for (const std::string& command : table) {
        std::vector<std::uint8_t> results[2][3];
        int codes[2] = {};
        for (int side = 0; side < 2; ++side) {
            // The same names on both sides, as messages quote them.
            const std::string out = dir.File("out");
            std::string args = command;
            std::string written = out + ".stdout"; // the file written, if any
            if (const auto at = args.find("{}"); at != std::string::npos) {
                args.replace(at, 2, out);
                written = args.substr(args.find(out));
            }
            codes[side] = run(side ? drawing : frontEnd, args + " '" + in + "'", out);
            const std::string files[] = {written, out + ".stdout", out + ".stderr"};
            for (int n = 0; n < 3; ++n)
                if (std::filesystem::exists(files[n])) {
                    results[side][n] = ReadBytes(files[n]);
                    std::filesystem::remove(files[n]);
                }
        }
        EXPECT_EQ(codes[0], codes[1]) << command;
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(results[0][n], results[1][n]) << command;
    }
    EXPECT_EQ(run(frontEnd, "--info '" + in + "'", dir.File("info")), 0);
    const auto info = ReadBytes(dir.File("info.stdout"));
    EXPECT_EQ(std::string(info.begin(), info.end()),
              "{\"parts\":3,\"length\":64,\"tempo\":120,\"instruments\":[0,40,127]}\n");
    EXPECT_EQ(run(frontEnd, "--bogus", dir.File("bogus")), 2);
    // What the front end loads: ldd lists every library, transitively.
    EXPECT_EQ(run("ldd", frontEnd, dir.File("ldd")), 0);
    const auto libraries = ReadBytes(dir.File("ldd.stdout"));
    const std::string list(libraries.begin(), libraries.end());
    EXPECT_NE(list.find("libstdc++"), std::string::npos) << list;
    EXPECT_EQ(list.find("libQt"), std::string::npos) << list;
}

// The program on its own draws with only its own fonts offered: the page is
// the window's to the byte, the PDF embeds the font of its words, and a font
// configuration that knows none of them still gives a page and a clean exit.
TEST(Batch, ProgramDrawsWithItsOwnFonts) {
    TempDir dir;
    const std::string example = Example();
    auto program = [&](const std::string& environment, const std::string& args) {
        const std::string command = "env " + environment + " " + SORN_EDITOR_EXE + " " + args +
                                    " '" + example + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(Batch({"--render-page", dir.File("window.png"), example}).code, 0);
    ASSERT_EQ(program("", "--render-page " + dir.File("alone.png")), 0);
    EXPECT_EQ(ReadBytes(dir.File("alone.png")), ReadBytes(dir.File("window.png")));
    // A page of greys is written as 8-bit grey and decodes to the page drawn.
    const auto png = ReadBytes(dir.File("window.png"));
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png[24], 8); // bits a sample
    EXPECT_EQ(png[25], 0); // colour type: grey
    SornData doc;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(doc.FileOpen(example, boxes), OpenResult::Opened);
    QImage page = NewPageImage();
    RenderPage(doc, 0, false, 0, page);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("window.png")))
                  .convertToFormat(QImage::Format_RGB32),
              page);

    ASSERT_EQ(program("", "--print-pdf " + dir.File("alone.pdf")), 0);
    const auto pdf = ReadBytes(dir.File("alone.pdf"));
    const std::string text(pdf.begin(), pdf.end());
    // The symbols are outlines; only the words need a font.
    EXPECT_NE(text.find("/NotoSerif-Regular"), std::string::npos);
    EXPECT_EQ(text.find("/NotoMusic-Regular"), std::string::npos);

    std::ofstream(dir.File("fonts.conf")) << "<fontconfig/>";
    ASSERT_EQ(program("FONTCONFIG_FILE=" + dir.File("fonts.conf"),
                      "--render-page " + dir.File("unknown.png")),
              0);
    EXPECT_GT(ReadBytes(dir.File("unknown.png")).size(), 1000u);
}

// The reading layout as a musician gets it: the words of the score as
// searchable text, no picture anywhere, every font embedded and only those of
// words (the symbols are outlines, so a page without words embeds none), and
// a part sheet per part named after it.
TEST(Batch, PagesForReading) {
    TempDir dir;
    const std::string example = Example("amazing-grace.sorn");
    ASSERT_EQ(Batch({"-o", dir.File("score.pdf"), "--score", example}).code, 0);
    auto run = [&](const std::string& command) {
        const std::string out = dir.File("out.txt");
        EXPECT_EQ(std::system((command + " > '" + out + "' 2>&1").c_str()), 0) << command;
        const auto bytes = ReadBytes(out);
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string text = run("pdftotext -layout '" + dir.File("score.pdf") + "' -");
    for (const char* words : {"Amazing Grace", "New Britain", "John Newton", "アメリカ", "ソプラノ",
                              "アルト", "A", "maz", "grace", "1"})
        EXPECT_NE(text.find(words), std::string::npos) << words << " in\n" << text;
    EXPECT_EQ(run("pdfimages -list '" + dir.File("score.pdf") + "' - | tail -n +3"), "");
    const std::string fonts = run("pdffonts '" + dir.File("score.pdf") + "' | tail -n +3");
    EXPECT_FALSE(fonts.empty());
    std::istringstream lines(fonts);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.find(" yes "), std::string::npos) << "not embedded: " << line;
        EXPECT_EQ(line.rfind("NotoSerif", 0), 0u) << "not a text font: " << line;
    }
    ASSERT_EQ(Batch({"-o", dir.File("melody.pdf"), example}).code, 0);
    EXPECT_EQ(run("pdffonts '" + dir.File("melody.pdf") + "' | tail -n +3"), "");
    EXPECT_NE(run("pdfinfo '" + dir.File("score.pdf") + "'").find("John Newton"),
              std::string::npos);

    ASSERT_EQ(Batch({"--print-parts", dir.File("parts"), example}).code, 0);
    for (const char* name : {"ソプラノ.pdf", "アルト.pdf"}) {
        const auto pdf = ReadBytes(dir.File("parts/" + std::string(name)));
        ASSERT_GT(pdf.size(), 4u) << name;
        EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 4), "%PDF");
    }
}

} // namespace
} // namespace sorn::test
