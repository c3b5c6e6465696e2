// SPDX-License-Identifier: MIT
#pragma once
// The question-set file: a count line, then nine lines per question
// (separator, question, answers A to D, correct-answer code, value code,
// picture flag). The editor writes it; the game and the editor read it.
//
// A set whose every text fits Windows-1252 is stored in that code page, so
// that every set written before keeps its bytes; any other set is stored as
// UTF-8 after a byte-order mark, which is how a reader tells the two apart.
// Inside the programs the texts are UTF-8: they are converted here only.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Set files larger than this are refused rather than read: ten thousand
// questions of the longest texts take about a megabyte.
inline constexpr std::size_t maxSetFileBytes = std::size_t{64} << 20;

// One question block: texts in UTF-8, numbers the `atoi` of their lines,
// unchecked.
struct SetFileRecord {
    std::string text;
    std::array<std::string, 4> answers;
    int correctAnswer = 0;
    int value = 0;
    int pictureFlag = 0;
};

enum class LineEnds {
    CrOnly, // the game: a line ends at CR, which eats the next byte
    CrOrLf, // the editor: also ends a line at a bare LF
};

enum class SetEncoding {
    Cp1252, // no byte-order mark: Windows-1252, as every set before
    Utf8,   // the file starts with EF BB BF
};

// The byte-order mark that starts a UTF-8 set file.
inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

struct SetFileContents {
    int declaredCount = 0;              // the count line, as `atoi` reads it
    std::vector<SetFileRecord> records; // the blocks the data completely holds
    bool truncated = false;             // fewer complete blocks than declared
    SetEncoding encoding = SetEncoding::Cp1252;
    // Lines (counted from 1, the count line first) of the records read whose
    // text held bytes that are not UTF-8; those bytes read as U+FFFD and the
    // record keeps its position.
    std::vector<int> damagedLines;
    bool onlyByteOrderMark = false; // the mark and nothing after it
};

// Reads set-file bytes. Only blocks whose nine lines are all present are
// returned, never more than the count line declares; a negative count reads
// as no questions. Texts longer than maxTextLength characters (code points)
// are cut, never inside a character (0: no cut). Memory stays bounded by the
// size of the data, whatever the count claims.
SetFileContents readSetFile(std::string_view data, LineEnds lineEnds, std::size_t maxTextLength);

// The bytes of a set file, every line ended by CR LF and numbers by "%d":
// in Windows-1252 when every text fits it, else UTF-8 after the byte-order
// mark. Malformed UTF-8 in a text is written as U+FFFD.
std::string writeSetFile(const std::vector<SetFileRecord>& records);

// Reads a number as `atoi` does: leading white space, an optional sign, then
// digits up to the first other character; no digits read as 0. Values beyond
// the int range saturate instead of overflowing.
int atoiLike(std::string_view text);

// Splits the next line off `data` by the given rule; false at the end.
bool nextLine(std::string_view& data, LineEnds lineEnds, std::string_view& line);

// "pic_for_q_<position + 1>.jpg".
std::string pictureFileName(int position);

} // namespace qv
