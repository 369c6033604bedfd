// Writes the English catalog of the core's and the batch's texts as C++:
// reads a Qt Linguist translation file and keeps the finished entries of the
// contexts named on the command line, so the batch needs no Qt to speak
// English.
//
//   sorn_make_catalog sorn-editor_en.ts out.cpp Core Batch Instruments

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// The placeholders %1..%9 a text uses: a translation that loses one would
// drop a file name or a number from the message.
std::set<char> Placeholders(const std::string& text) {
    std::set<char> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1]);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TS OUT.cpp CONTEXT...\n", argv[0]);
        return 2;
    }
    pugi::xml_document ts;
    if (const pugi::xml_parse_result parsed = ts.load_file(argv[1]); !parsed) {
        std::fprintf(stderr, "%s: %s\n", argv[1], parsed.description());
        return 1;
    }
    const std::set<std::string> wanted(argv + 3, argv + argc);
    std::vector<std::tuple<std::string, std::string, std::string>> entries;
    for (pugi::xml_node context : ts.child("TS").children("context")) {
        const std::string name = context.child_value("name");
        if (!wanted.contains(name)) continue;
        for (pugi::xml_node message : context.children("message")) {
            const pugi::xml_node translation = message.child("translation");
            const std::string type = translation.attribute("type").value();
            const std::string english = translation.child_value();
            // An unfinished or dropped entry falls back to the Japanese.
            if (!type.empty() || english.empty()) continue;
            const std::string source = message.child_value("source");
            if (Placeholders(source) != Placeholders(english)) {
                std::fprintf(stderr, "%s: %s: the translation of \"%s\" has other placeholders\n",
                             argv[1], name.c_str(), source.c_str());
                return 1;
            }
            entries.emplace_back(name, source, english);
        }
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const auto& a, const auto& b) {
                                  return std::get<0>(a) == std::get<0>(b) &&
                                         std::get<1>(a) == std::get<1>(b);
                              }),
                  entries.end());

    std::string out = "// Made at build time from the translation file; do not edit.\n"
                      "#include \"model/Message.h\"\n\n"
                      "#include <algorithm>\n#include <iterator>\n\n"
                      "namespace sorn {\nnamespace {\n"
                      "struct Entry {\n    std::string_view context, source;\n"
                      "    const char* english;\n};\n"
                      "constexpr Entry kEntries[] = {\n";
    for (const auto& [context, source, english] : entries)
        out +=
            "    {" + Literal(context) + ", " + Literal(source) + ", " + Literal(english) + "},\n";
    if (entries.empty()) out += "    {\"\", \"\", nullptr},\n";
    out += "};\n} // namespace\n\n"
           "const char* CatalogEnglish(std::string_view context, std::string_view source) {\n"
           "    const auto key = [](const Entry& e) { return std::pair(e.context, e.source); };\n"
           "    const auto* found = std::lower_bound(\n"
           "        std::begin(kEntries), std::end(kEntries), std::pair(context, source),\n"
           "        [&](const Entry& e, const auto& k) { return key(e) < k; });\n"
           "    if (found == std::end(kEntries) || key(*found) != std::pair(context, source))\n"
           "        return nullptr;\n"
           "    return found->english;\n"
           "}\n\n} // namespace sorn\n";

    std::ofstream file(argv[2], std::ios::binary);
    file << out;
    if (!file.flush()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
