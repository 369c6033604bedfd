#include "platform/ProgramFonts.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <string>

namespace sorn {

namespace {

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

} // namespace

void OfferOnlyProgramFonts() {
    // The system's configuration file, found as fontconfig itself finds it
    // (asking fontconfig for the name would load the whole configuration).
    const char* chosen = std::getenv("FONTCONFIG_FILE");
    const std::string system = XmlText(chosen && *chosen ? chosen : "fonts.conf");
    const std::string text = R"(<?xml version="1.0"?>
<fontconfig>
  <include ignore_missing="yes">)" +
                             system + R"(</include>
  <selectfont>
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
