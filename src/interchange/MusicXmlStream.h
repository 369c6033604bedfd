#pragma once
// Reading a MusicXML file as it comes. An .mxl archive is held whole and its
// score unpacked as it is read; the text is cut into the children of its
// root, each parsed on its own, so memory stays near one part's tree however
// large the file, and what parsing builds is held to limits named to the
// user when they are passed.

#include "interchange/MusicXmlImport.h"

#include <pugixml.hpp>

#include <cstddef>
#include <functional>
#include <string_view>

namespace sorn::musicxml {

// Up to n bytes of the file; 0 at its end, -1 when it cannot be read.
using ReadSome = std::function<std::ptrdiff_t(char*, std::size_t)>;

// What becomes of the root's children, in the order they come.
class ScoreChildren {
public:
    virtual ~ScoreChildren() = default;
    // False for a child that need not be parsed.
    virtual bool Wants(std::string_view name) = 0;
    virtual void Child(pugi::xml_node node) = 0;
    virtual bool HasParts() const = 0;
};

// Reads the file through children: Imported once every child has been
// handed over, else why it was refused. Out of memory is said as such.
ImportOutcome ReadMusicXml(const ReadSome& read, ScoreChildren& children);

// What running out of memory is called, never a damaged file.
ImportOutcome OutOfMemory();

} // namespace sorn::musicxml
