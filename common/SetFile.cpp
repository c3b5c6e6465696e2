// SPDX-License-Identifier: MIT
#include "common/SetFile.h"

#include "common/Cp1252.h"
#include "common/Utf16.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace qv {

int atoiLike(std::string_view text) {
    std::size_t i = 0;
    // The white space that `atoi` skips: space, \t \n \v \f \r.
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) {
            value = static_cast<std::int64_t>(INT_MAX) + 1;
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

bool nextLine(std::string_view& data, LineEnds lineEnds, std::string_view& line) {
    if (data.empty()) {
        return false;
    }
    std::size_t end = 0;
    while (end < data.size()) {
        char c = data[end];
        if (c == '\r' || (c == '\n' && lineEnds == LineEnds::CrOrLf)) {
            break;
        }
        ++end;
    }
    line = data.substr(0, end);
    if (end == data.size()) {
        data = {}; // a last line without its end
    } else if (data[end] == '\r') {
        // The CR and the byte after it end the line, whatever that byte is.
        data.remove_prefix(end + 2 <= data.size() ? end + 2 : data.size());
    } else {
        data.remove_prefix(end + 1);
    }
    return true;
}

SetFileContents readSetFile(std::string_view data, LineEnds lineEnds, std::size_t maxTextLength) {
    SetFileContents contents;
    if (data.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark) {
        contents.encoding = SetEncoding::Utf8;
        data.remove_prefix(utf8ByteOrderMark.size());
        contents.onlyByteOrderMark = data.empty();
    }
    std::string_view line;
    if (!nextLine(data, lineEnds, line)) {
        return contents;
    }
    contents.declaredCount = atoiLike(line);
    const int wanted = contents.declaredCount > 0 ? contents.declaredCount : 0;
    int lineNumber = 1;
    auto text = [&contents, &lineNumber, maxTextLength](std::string_view stored, int offset) {
        if (contents.encoding == SetEncoding::Cp1252) {
            // One byte is one character.
            if (maxTextLength != 0 && stored.size() > maxTextLength) {
                stored = stored.substr(0, maxTextLength);
            }
            return utf8FromCp1252(stored);
        }
        bool damaged = false;
        std::string out = mendUtf8(stored, &damaged);
        if (damaged) {
            contents.damagedLines.push_back(lineNumber + offset);
        }
        if (maxTextLength != 0) {
            out.resize(firstCodePoints(out, maxTextLength).size());
        }
        return out;
    };
    for (int i = 0; i < wanted; ++i) {
        std::array<std::string_view, 9> lines;
        std::size_t got = 0;
        while (got < lines.size() && nextLine(data, lineEnds, lines[got])) {
            ++got;
        }
        if (got < lines.size()) {
            break;
        }
        SetFileRecord record;
        record.text = text(lines[1], 2);
        for (std::size_t a = 0; a < 4; ++a) {
            record.answers[a] = text(lines[2 + a], static_cast<int>(3 + a));
        }
        record.correctAnswer = atoiLike(lines[6]);
        record.value = atoiLike(lines[7]);
        record.pictureFlag = atoiLike(lines[8]);
        contents.records.push_back(std::move(record));
        lineNumber += 9;
    }
    contents.truncated = static_cast<int>(contents.records.size()) < wanted;
    return contents;
}

std::string writeSetFile(const std::vector<SetFileRecord>& records) {
    // Windows-1252 when every text fits, so that such a set keeps its bytes.
    bool cp1252 = true;
    std::string scratch;
    for (const SetFileRecord& record : records) {
        cp1252 = cp1252 && cp1252FromUtf8(record.text, scratch);
        for (const std::string& answer : record.answers) {
            cp1252 = cp1252 && cp1252FromUtf8(answer, scratch);
        }
        if (!cp1252) {
            break;
        }
    }
    std::string out;
    // Texts, their line ends, and three short numbers per block.
    std::size_t size = 16;
    for (const SetFileRecord& record : records) {
        size += 14 + 3 * 8 + record.text.size();
        for (const std::string& answer : record.answers) {
            size += answer.size();
        }
    }
    out.reserve(size);
    auto number = [&out](long long value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%lld\r\n", value);
        out += buffer;
    };
    auto text = [&out, &scratch, cp1252](const std::string& utf8) {
        if (cp1252) {
            cp1252FromUtf8(utf8, scratch);
            out += scratch;
        } else {
            out += mendUtf8(utf8);
        }
        out += "\r\n";
    };
    if (!cp1252) {
        out += utf8ByteOrderMark;
    }
    number(static_cast<long long>(records.size()));
    for (const SetFileRecord& record : records) {
        out += "\r\n";
        text(record.text);
        for (const std::string& answer : record.answers) {
            text(answer);
        }
        number(record.correctAnswer);
        number(record.value);
        number(record.pictureFlag);
    }
    return out;
}

std::string pictureFileName(int position) {
    return "pic_for_q_" + std::to_string(position + 1) + ".jpg";
}

} // namespace qv
