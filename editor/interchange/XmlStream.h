// SPDX-License-Identifier: MIT
#pragma once
// A streaming XML reader over expat for imported files: elements by their
// local name (the part after any prefix), text as it comes, a depth limit,
// and no document types, so no entity can expand.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace qv::interchange {

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // `attributes` alternate names (local) and values, ending with null.
    virtual void start(std::string_view name, const char* const* attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view utf8) = 0;
};

// The value of the attribute with this local name, or null.
const char* xmlAttribute(const char* const* attributes, std::string_view name);

// The part of a name after its prefix ("table:table-row" -> "table-row").
std::string_view localName(std::string_view name);

class XmlStream {
public:
    // `encoding` overrides the document's own declaration when given.
    XmlStream(XmlHandler& handler, int maxDepth, const char* encoding = nullptr);
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Parses the next piece of the document; `last` for the final one.
    // False, with error(), when the document is broken or was stopped.
    bool feed(std::string_view bytes, bool last);

    // Ends the parse from inside a handler; feed then fails with `reason`.
    void stop(std::string reason);

    const std::string& error() const { return error_; }
    // The line the parser is at (1-based).
    int line() const;

private:
    struct Callbacks;
    struct ParserFree {
        void operator()(void* parser) const;
    };

    XmlHandler& handler_;
    std::unique_ptr<void, ParserFree> parser_;
    int maxDepth_;
    int depth_ = 0;
    std::string error_;
};

} // namespace qv::interchange
