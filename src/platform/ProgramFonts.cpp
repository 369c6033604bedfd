#include "platform/ProgramFonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace sorn {

namespace {

namespace fs = std::filesystem;

std::string XmlText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else
            escaped += c;
    }
    return escaped;
}

// Where Debian's font packages put the files the program draws with.
const char* const kFontFolders[] = {"/usr/share/fonts/truetype/noto",
                                    "/usr/share/fonts/opentype/noto"};
const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf",
    "/usr/share/fonts/truetype/noto/NotoSerif-Regular.ttf",
    "/usr/share/fonts/truetype/noto/NotoSerif-Bold.ttf",
    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc",
    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc",
};
const char* const kSystemConfigFolder = "/etc/fonts/conf.d";

// The system's rules for how glyphs are rendered (antialiasing, hinting,
// per-font rendering options, the user's own settings, synthesis), by the
// numbering its files follow; the rules that map and choose families are
// left out, as only the program's families are offered.
std::vector<std::string> RenderingRules() {
    std::vector<std::string> files;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSystemConfigFolder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 7 || !std::isdigit(static_cast<unsigned char>(name[0])) ||
            !std::isdigit(static_cast<unsigned char>(name[1])) || !name.ends_with(".conf"))
            continue;
        const int group = (name[0] - '0') * 10 + (name[1] - '0');
        if ((group >= 10 && group <= 29) || (group >= 50 && group <= 59) || group >= 80)
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The program's fonts and the system's rendering rules, read from the
// system's font caches; empty when the fonts are not where the packages put
// them or the system's configuration was moved.
std::string OwnConfiguration() {
    for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return {};
    }
    std::error_code ec;
    for (const char* file : kFontFiles)
        if (!fs::is_regular_file(file, ec)) return {};
    std::string text;
    for (const char* folder : kFontFolders)
        text += "  <dir>" + XmlText(folder) + "</dir>\n";
    text += "  <cachedir>/var/cache/fontconfig</cachedir>\n"
            "  <cachedir prefix=\"xdg\">fontconfig</cachedir>\n";
    for (const std::string& rules : RenderingRules())
        text += "  <include ignore_missing=\"yes\">" + XmlText(rules) + "</include>\n";
    return text;
}

} // namespace

void OfferOnlyProgramFonts() {
    std::string sources = OwnConfiguration();
    if (sources.empty()) {
        // The system's configuration file, found as fontconfig itself finds
        // it (asking fontconfig for the name would load the whole
        // configuration).
        const char* chosen = std::getenv("FONTCONFIG_FILE");
        sources = "  <include ignore_missing=\"yes\">" +
                  XmlText(chosen && *chosen ? chosen : "fonts.conf") + "</include>\n";
    }
    const std::string text = "<?xml version=\"1.0\"?>\n<fontconfig>\n" + sources + R"(  <selectfont>
    <acceptfont>
      <pattern><patelt name="family"><string>Noto Music</string></patelt></pattern>
      <pattern><patelt name="family"><string>Noto Serif</string></patelt></pattern>
      <pattern><patelt name="family"><string>Noto Serif CJK JP</string></patelt></pattern>
    </acceptfont>
    <rejectfont><pattern/></rejectfont>
  </selectfont>
</fontconfig>
)";
    FcConfig* config = FcConfigCreate();
    if (!config) return;
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(text.c_str()),
                                       FcTrue) &&
        FcConfigBuildFonts(config))
        FcConfigSetCurrent(config); // takes a reference of its own
    FcConfigDestroy(config);
}

} // namespace sorn
