// SPDX-License-Identifier: MIT
#pragma once
// Texts that arrive in HTML: entities and tags.

#include <string>
#include <string_view>

namespace qv::interchange {

// Replaces named (&eacute;) and numeric (&#233; &#xE9;) character references.
// A reference that names nothing is kept as it is written; one that names no
// valid character becomes U+FFFD.
std::string decodeEntities(std::string_view utf8);

// Drops <tags>, turning <br> and the ends of paragraphs into spaces, then
// decodes the entities.
std::string plainFromHtml(std::string_view utf8);

} // namespace qv::interchange
