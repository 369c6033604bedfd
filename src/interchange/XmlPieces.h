#pragma once
// Cuts an XML text, as it streams in, into the children of its root
// element, so that only one child at a time is ever parsed into a tree: a
// score of a million notes is read part by part, and a file made to unpack
// into endless elements is stopped at the first part it overfills.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sorn {

// The most one child of the root may hold: bytes, and elements and
// attributes together. A part of the longest score, every symbol on every
// position, stays well below both.
inline constexpr std::size_t kMaxXmlPieceBytes = std::size_t{96} << 20;
inline constexpr std::size_t kMaxXmlPieceItems = 3'000'000;
// The most children the root may have.
inline constexpr std::size_t kMaxXmlPieces = 65536;

class XmlPieces {
public:
    enum class Problem { None, Damaged, PieceTooLarge, TooManyItems, TooManyPieces };

    struct Piece {
        std::string_view name;
        // The child's whole text, writable so it can be parsed where it lies;
        // valid only during the call.
        char* text;
        std::size_t size;
        std::uint64_t offset; // of its first byte in the whole text
    };
    using Handler = std::function<void(const Piece&)>;

    // Appends bytes and hands over every child completed by them. False once
    // the text is found wrong or past a limit (see Failure).
    bool Feed(std::string_view bytes, const Handler& handler);
    // True once the root element has been closed; what follows is not read.
    bool Closed() const { return closed_; }
    // The root element's name, once its start tag has been read.
    const std::string& RootName() const { return rootName_; }
    Problem Failure() const { return problem_; }
    // Where the text went wrong or the limit was passed.
    std::uint64_t FailureOffset() const { return failedAt_; }

private:
    enum class Kind { Text, StartTag, EndTag, Comment, CData, Instruction, Declaration };

    bool Scan(const Handler& handler);
    bool PlainTags();
    bool Fail(Problem problem);
    // Ends the construct that began at pos_ and ends before end.
    bool Construct(std::size_t end, const Handler& handler);
    std::string_view NameAt(std::size_t at) const;
    void Compact();

    std::string buffer_;
    std::uint64_t base_ = 0; // stream offset of buffer_[0]
    std::size_t pos_ = 0;    // start of the construct being read
    std::size_t probe_ = 0;  // where reading the construct resumes
    Kind kind_ = Kind::Text;
    char quote_ = 0;             // the quote a tag or declaration is inside
    int brackets_ = 0;           // a declaration's internal subset
    std::size_t attributes_ = 0; // of the start tag being read
    bool selfClosing_ = false;
    int depth_ = 0;
    std::size_t childStart_ = 0;
    std::size_t items_ = 0;
    std::size_t pieces_ = 0;
    bool closed_ = false;
    std::string rootName_;
    Problem problem_ = Problem::None;
    std::uint64_t failedAt_ = 0;
};

} // namespace sorn
