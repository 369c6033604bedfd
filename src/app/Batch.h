#pragma once
// The command line for batch work: the menu commands without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace sorn {

class SornData;
struct ViewRequest;
struct PageRequest;
struct AudioSettings;
enum class AudioFormat;

// True when the arguments ask for batch work rather than the editor.
bool IsBatchCommandLine(const std::vector<std::string>& args);

// The commands that draw pages and pictures or render audio need the
// toolkit and the synthesiser. The program that has them hands them in; the
// command line's front end, which loads neither, hands in none.
struct BatchDrawing {
    std::string (*renderView)(const SornData&, const ViewRequest&, const std::string& path);
    std::string (*renderPage)(const SornData&, const PageRequest&, const std::string& path);
    std::string (*printPdf)(const SornData&, const PageRequest&, const std::string& path);
    std::string (*printParts)(const SornData&, const PageRequest&, const std::string& folder);
    std::string (*exportAudio)(const SornData&, const std::string& path, const AudioSettings&);
    std::string (*exportRehearsal)(const SornData&, const std::string& folder, AudioFormat,
                                   const AudioSettings&, double balanceDb, bool click);
};

// What RunBatchCommand returns for a command that needs drawing when none
// was handed in. Nothing has been read or written then, not even standard
// input, so the program that can draw may run the same arguments.
constexpr int kBatchNeedsDrawing = -1;

// Runs one batch command. 0 done, 1 failed (reason on err), 2 bad usage.
int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const BatchDrawing* drawing);

// The same with every command available, in the program that can draw.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace sorn
