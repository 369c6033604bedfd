#include "interchange/XmlPieces.h"

#include <algorithm>
#include <cstring>

namespace sorn {

namespace {

bool IsNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

} // namespace

bool XmlPieces::Feed(std::string_view bytes, const Handler& handler) {
    if (problem_ != Problem::None) return false;
    if (closed_) return true;
    buffer_.append(bytes);
    return Scan(handler);
}

bool XmlPieces::Fail(Problem problem) {
    problem_ = problem;
    failedAt_ = base_ + pos_;
    return false;
}

std::string_view XmlPieces::NameAt(std::size_t at) const {
    std::size_t end = at;
    while (end < buffer_.size() && !IsNameEnd(buffer_[end]))
        ++end;
    return std::string_view(buffer_).substr(at, end - at);
}

bool XmlPieces::Scan(const Handler& handler) {
    while (!closed_) {
        // Neither a child nor anything between children may grow past the
        // limit, so the buffer stays bounded however long the text.
        const std::size_t from = depth_ >= 2 ? childStart_ : pos_;
        if (buffer_.size() - from > kMaxXmlPieceBytes) {
            if (depth_ >= 2) pos_ = childStart_;
            return Fail(Problem::PieceTooLarge);
        }
        if (kind_ == Kind::Text && depth_ >= 2) {
            if (!PlainTags()) return false;
            if (buffer_.size() - childStart_ > kMaxXmlPieceBytes) continue;
        }
        if (kind_ == Kind::Text) {
            const std::size_t lt = buffer_.find('<', pos_);
            if (lt == std::string::npos) {
                pos_ = buffer_.size();
                break;
            }
            pos_ = lt;
            const std::string_view rest = std::string_view(buffer_).substr(lt);
            if (rest.size() < 2) break;
            if (rest[1] == '?') {
                kind_ = Kind::Instruction;
            } else if (rest[1] == '/') {
                kind_ = Kind::EndTag;
            } else if (rest[1] != '!') {
                kind_ = Kind::StartTag;
            } else if (rest.size() < 4) {
                break;
            } else if (rest.substr(0, 4) == "<!--") {
                kind_ = Kind::Comment;
            } else if (rest.size() < 9 && std::string_view("<![CDATA[").starts_with(rest)) {
                break;
            } else {
                kind_ = rest.starts_with("<![CDATA[") ? Kind::CData : Kind::Declaration;
            }
            probe_ = pos_ + 2;
            attributes_ = 0;
            quote_ = 0;
            brackets_ = 0;
        }
        std::size_t end = std::string::npos;
        if (kind_ == Kind::Comment || kind_ == Kind::CData || kind_ == Kind::Instruction) {
            const std::string_view term = kind_ == Kind::Comment ? "-->"
                                          : kind_ == Kind::CData ? "]]>"
                                                                 : "?>";
            const std::size_t at = buffer_.find(term, probe_);
            if (at == std::string::npos) {
                probe_ = std::max(probe_, buffer_.size() - std::min(buffer_.size(), term.size()));
                break;
            }
            end = at + term.size();
        } else if (kind_ != Kind::Declaration) {
            // A tag ends at the first '>' outside quotes; whole runs without
            // quotes are searched at once, as most tags have none.
            std::size_t i = probe_;
            const std::string_view all(buffer_);
            while (end == std::string::npos) {
                if (quote_) {
                    const std::size_t close = all.find(quote_, i);
                    if (close == std::string::npos) {
                        i = all.size();
                        break;
                    }
                    quote_ = 0;
                    i = close + 1;
                    continue;
                }
                const std::size_t gt = all.find('>', i);
                const std::size_t stop = gt == std::string::npos ? all.size() : gt;
                const std::size_t q =
                    std::min(all.substr(0, stop).find('"', i), all.substr(0, stop).find('\'', i));
                const std::size_t run = std::min(q, stop);
                attributes_ += static_cast<std::size_t>(
                    std::count(all.begin() + static_cast<std::ptrdiff_t>(i),
                               all.begin() + static_cast<std::ptrdiff_t>(run), '='));
                if (q != std::string::npos) {
                    quote_ = all[q];
                    i = q + 1;
                } else if (gt != std::string::npos) {
                    end = gt + 1;
                } else {
                    i = all.size();
                    break;
                }
            }
            if (end == std::string::npos) {
                probe_ = i;
                break;
            }
            selfClosing_ = kind_ == Kind::StartTag && buffer_[end - 2] == '/';
        } else {
            // A declaration ends at the first '>' outside quotes and outside
            // its internal subset.
            std::size_t i = probe_;
            for (; i < buffer_.size(); ++i) {
                const char c = buffer_[i];
                if (quote_) {
                    if (c == quote_) quote_ = 0;
                } else if (c == '"' || c == '\'') {
                    quote_ = c;
                } else if (c == '[') {
                    ++brackets_;
                } else if (c == ']') {
                    --brackets_;
                } else if (c == '>' && brackets_ <= 0) {
                    end = i + 1;
                    break;
                }
            }
            if (end == std::string::npos) {
                probe_ = i;
                break;
            }
        }
        if (!Construct(end, handler)) return false;
    }
    Compact();
    return true;
}

// Inside a child, most of the text is plain tags: they are read here in one
// tight pass. It stops before anything else (a comment, quotes, the tag that
// ends the child, a tag cut by the end of the buffer), which Scan reads.
bool XmlPieces::PlainTags() {
    const char* p = buffer_.data();
    const std::size_t n = buffer_.size();
    std::size_t i = pos_;
    for (;;) {
        const void* lt = std::memchr(p + i, '<', n - i);
        if (!lt) {
            pos_ = n;
            return true;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(lt) - p);
        pos_ = i;
        if (i + 1 >= n || p[i + 1] == '!' || p[i + 1] == '?') return true;
        const bool endTag = p[i + 1] == '/';
        if (endTag && depth_ == 2) return true;
        std::size_t j = i + 1, equals = 0;
        for (; j < n && p[j] != '>'; ++j) {
            if (p[j] == '"' || p[j] == '\'') return true;
            equals += p[j] == '=';
        }
        if (j == n) return true;
        items_ += 1 + equals;
        if (items_ > kMaxXmlPieceItems) {
            pos_ = childStart_;
            return Fail(Problem::TooManyItems);
        }
        if (endTag)
            --depth_;
        else if (p[j - 1] != '/')
            ++depth_;
        i = j + 1;
    }
}

bool XmlPieces::Construct(std::size_t end, const Handler& handler) {
    const Kind kind = kind_;
    kind_ = Kind::Text;
    auto piece = [&](std::size_t start) {
        if (++pieces_ > kMaxXmlPieces) return Fail(Problem::TooManyPieces);
        handler({NameAt(start + 1), buffer_.data() + start, end - start, base_ + start});
        return true;
    };
    if (kind == Kind::StartTag && depth_ == 1) {
        childStart_ = pos_;
        items_ = 0;
    }
    // Every element, attribute and text between tags becomes a node.
    if (depth_ >= 1 && kind != Kind::Declaration &&
        (items_ += 1 + (kind == Kind::StartTag ? attributes_ : 0)) > kMaxXmlPieceItems) {
        pos_ = childStart_;
        return Fail(Problem::TooManyItems);
    }
    if (kind == Kind::StartTag) {
        if (depth_ == 0) rootName_ = NameAt(pos_ + 1);
        if (!selfClosing_) {
            ++depth_;
        } else if (depth_ == 0) {
            closed_ = true;
        } else if (depth_ == 1 && !piece(pos_)) {
            return false;
        }
    } else if (kind == Kind::EndTag) {
        if (depth_ == 0) return Fail(Problem::Damaged);
        if (--depth_ == 0) closed_ = true;
        if (depth_ == 1 && !piece(childStart_)) return false;
    }
    pos_ = end;
    return true;
}

// Drops what has been read, once that is worth the move.
void XmlPieces::Compact() {
    const std::size_t keep = depth_ >= 2 ? childStart_ : pos_;
    if (keep < (std::size_t{1} << 20) && keep < buffer_.size() / 2) return;
    buffer_.erase(0, keep);
    base_ += keep;
    pos_ -= keep;
    probe_ -= std::min(probe_, keep);
    if (depth_ >= 2) childStart_ -= keep;
}

} // namespace sorn
