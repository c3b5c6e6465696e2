// SPDX-License-Identifier: MIT
#include "editor/interchange/XmlStream.h"

#include <expat.h>

#include <limits>

namespace qv::interchange {

const char* xmlAttribute(const char* const* attributes, std::string_view name) {
    for (std::size_t i = 0; attributes != nullptr && attributes[i] != nullptr; i += 2) {
        if (localName(attributes[i]) == name) {
            return attributes[i + 1];
        }
    }
    return nullptr;
}

std::string_view localName(std::string_view name) {
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

struct XmlStream::Callbacks {
    static XmlStream& self(void* data) { return *static_cast<XmlStream*>(data); }

    static void start(void* data, const XML_Char* name, const XML_Char** attributes) {
        XmlStream& stream = self(data);
        if (++stream.depth_ > stream.maxDepth_) {
            stream.stop("the XML is nested deeper than " + std::to_string(stream.maxDepth_) +
                        " levels");
            return;
        }
        stream.handler_.start(localName(name), attributes);
    }

    static void end(void* data, const XML_Char* name) {
        XmlStream& stream = self(data);
        --stream.depth_;
        stream.handler_.end(localName(name));
    }

    static void text(void* data, const XML_Char* text, int length) {
        self(data).handler_.text(std::string_view(text, static_cast<std::size_t>(length)));
    }

    static void doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        self(data).stop("the XML declares a document type, which this kind of file never has");
    }
};

void XmlStream::ParserFree::operator()(void* parser) const {
    XML_ParserFree(static_cast<XML_Parser>(parser));
}

XmlStream::XmlStream(XmlHandler& handler, int maxDepth, const char* encoding)
    : handler_(handler), parser_(XML_ParserCreate(encoding)), maxDepth_(maxDepth) {
    const auto parser = static_cast<XML_Parser>(parser_.get());
    if (parser == nullptr) {
        error_ = "not enough memory to read the XML";
        return;
    }
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &Callbacks::start, &Callbacks::end);
    XML_SetCharacterDataHandler(parser, &Callbacks::text);
    XML_SetStartDoctypeDeclHandler(parser, &Callbacks::doctype);
}

XmlStream::~XmlStream() = default;

bool XmlStream::feed(std::string_view bytes, bool last) {
    const auto parser = static_cast<XML_Parser>(parser_.get());
    if (parser == nullptr || !error_.empty()) {
        return false;
    }
    constexpr std::size_t step = std::size_t{1} << 30;
    do {
        const std::size_t size = bytes.size() < step ? bytes.size() : step;
        const bool final = last && size == bytes.size();
        if (XML_Parse(parser, bytes.data(), static_cast<int>(size), final) != XML_STATUS_OK) {
            if (error_.empty()) {
                error_ = "not well-formed XML (" +
                         std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " on line " +
                         std::to_string(line()) + ")";
            }
            return false;
        }
        bytes.remove_prefix(size);
    } while (!bytes.empty());
    return error_.empty();
}

void XmlStream::stop(std::string reason) {
    if (error_.empty()) {
        error_ = std::move(reason);
    }
    XML_StopParser(static_cast<XML_Parser>(parser_.get()), XML_FALSE);
}

int XmlStream::line() const {
    const auto number = XML_GetCurrentLineNumber(static_cast<XML_Parser>(parser_.get()));
    return number > static_cast<XML_Size>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(number);
}

} // namespace qv::interchange
