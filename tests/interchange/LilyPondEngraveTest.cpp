// The engraving with stand-ins for LilyPond on PATH (shell scripts with
// nothing but the shell): none at all, one that fails, one that never
// ends, and one that writes its PDF. Whatever happens
// no temporary folder stays behind, except the one kept for the user.

#include "interchange/LilyPondEngrave.h"
#include "support/Environment.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace sorn::test {
namespace {

class CancelAtOnce : public ProgressSink {
public:
    void SetMaximum(int) override {}
    void SetValue(int) override {}
    bool Cancelled() const override { return true; }
};

std::string Read(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

TEST(LilyPondEngraving, WhatTheProgramDidComesBack) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "bin");
    std::filesystem::create_directories(dir.Path() / "tmp");
    const Environment path("PATH", (dir.Path() / "bin").string());
    const Environment tmp("TMPDIR", (dir.Path() / "tmp").string());
    const std::string text = "\\version \"2.24.0\"\n{ c'1 }\n";
    struct Case {
        const char* what;
        const char* script; // none: no program of that name
        bool cancel;
        int number;
        std::vector<std::string> said;
    };
    const std::vector<Case> cases = {
        {"missing",
         nullptr,
         false,
         ExportErrorNumber::EngraverMissing,
         {"sudo apt install lilypond fonts-noto-cjk"}},
        {"fails",
         "#!/bin/sh\necho 'score.ly:2:1: error: syntax error' >&2\necho 'at { c }'\nexit 1\n",
         false,
         ExportErrorNumber::EngraverFailed,
         {"score.ly:2:1: error: syntax error\nat { c }\n", "残してあります"}},
        {"cancelled", "#!/bin/sh\nwhile :; do :; done\n", true, ExportErrorNumber::Cancelled, {}},
        // Writes the first line of what it was given where -o says.
        {"writes",
         "#!/bin/sh\nfor a; do [ \"$prev\" = -o ] && out=$a; prev=$a; done\n"
         "IFS= read -r line < \"$prev\"; printf '%s' \"$line\" > \"$out.pdf\"\n",
         false,
         0,
         {}},
    };
    for (const Case& c : cases) {
        const std::string program = dir.File("bin/lilypond");
        std::filesystem::remove(program);
        if (c.script) {
            std::ofstream(program) << c.script;
            std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        }
        const std::string pdf = dir.File("out.pdf");
        std::ofstream(pdf) << "old";
        CancelAtOnce cancel;
        const auto start = std::chrono::steady_clock::now();
        const ExportError error = EngraveWithLilyPond(text, pdf, c.cancel ? &cancel : nullptr);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.what;
        EXPECT_EQ(error.Number, c.number) << c.what << ": " << error.Message();
        for (const std::string& said : c.said)
            EXPECT_NE(Text(error.Description, Language::Japanese).find(said), std::string::npos)
                << c.what << ": " << error.Message();
        EXPECT_EQ(Read(pdf), c.number ? "old" : text.substr(0, text.find('\n'))) << c.what;
        // The text LilyPond failed on is kept where the message says.
        std::vector<std::filesystem::path> left;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path() / "tmp"))
            left.push_back(entry.path());
        if (c.number == ExportErrorNumber::EngraverFailed) {
            ASSERT_EQ(left.size(), 1u) << c.what;
            const std::string kept = (left[0] / "score.ly").string();
            EXPECT_TRUE(error.Message().ends_with(kept)) << error.Message();
            EXPECT_EQ(Read(kept), text);
            std::filesystem::remove_all(left[0]);
        } else {
            EXPECT_TRUE(left.empty()) << c.what;
        }
    }
}

} // namespace
} // namespace sorn::test
