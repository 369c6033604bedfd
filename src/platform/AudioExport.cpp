#include "platform/AudioExport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace sorn {

std::optional<AudioFormat> AudioFormatOf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".wav") return AudioFormat::Wav;
    if (ext == ".flac") return AudioFormat::Flac;
    if (ext == ".ogg") return AudioFormat::Ogg;
    return std::nullopt;
}

const char* ExtensionOf(AudioFormat format) {
    switch (format) {
    case AudioFormat::Flac:
        return ".flac";
    case AudioFormat::Ogg:
        return ".ogg";
    default:
        return ".wav";
    }
}

std::optional<RenderedAudio> RenderScoreAudio(const SornData&, const AudioSettings&,
                                              const AudioMix&, ProgressSink*,
                                              std::string& error) {
    error = "not yet";
    return std::nullopt;
}

std::string EncodeAudio(const RenderedAudio&, AudioFormat, int, std::string& error) {
    error = "not yet";
    return {};
}

std::string ExportAudio(const SornData&, const std::string&, const AudioSettings&,
                        const AudioMix&, ProgressSink*) {
    return "not yet";
}

std::string ExportRehearsalTracks(const SornData&, const std::string&, AudioFormat,
                                  const AudioSettings&, double, bool, ProgressSink*,
                                  std::vector<std::string>*) {
    return "not yet";
}

} // namespace sorn
