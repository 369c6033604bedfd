// The program users start. Batch commands that draw nothing run here, on the
// core alone, at the cost of loading a small program; the editor's window and
// the commands that draw or play are the drawing program's, which this one
// becomes with the same arguments.

#include "app/Batch.h"
#include "model/ErrorReason.h"
#include "model/Message.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;

constexpr const char* kDrawingProgram = "sorn-editor-qt";

// Beside this program in a build folder, else where an installed copy keeps
// it: PREFIX/libexec/sorn-editor beside PREFIX/bin.
fs::path DrawingProgram() {
    std::error_code error;
    const fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
    const fs::path beside = folder / kDrawingProgram;
    if (fs::is_regular_file(beside, error)) return beside;
    return (folder / ".." / "libexec" / "sorn-editor" / kDrawingProgram).lexically_normal();
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (sorn::IsBatchCommandLine(args)) {
        const int code = sorn::RunBatchCommand(args, std::cout, std::cerr, nullptr);
        if (code != sorn::kBatchNeedsDrawing) return code;
    }
    std::cout.flush();
    const fs::path program = DrawingProgram();
    ::execv(program.c_str(), argv);
    const std::error_code error(errno, std::generic_category());
    std::cerr << sorn::Text(sorn::Message(
                                "Batch",
                                SORN_TRANSLATE_NOOP("Batch", "画面と印刷を受け持つプログラムを"
                                                             "起動できませんでした。\n%1\n%2"),
                                program.string(), sorn::ErrorReason(error, sorn::FileAction::Read)),
                            sorn::LanguageFromEnvironment())
              << '\n';
    return 1;
}
