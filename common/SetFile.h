// SPDX-License-Identifier: MIT
#pragma once
// The question-set file: a count line, then nine lines per question
// (separator, question, answers A to D, correct-answer code, value code,
// picture flag). The editor writes it; the game and the editor read it.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Set files larger than this are refused rather than read: ten thousand
// questions of the longest texts take about a megabyte.
inline constexpr std::size_t maxSetFileBytes = std::size_t{64} << 20;

// One question block as stored: texts are raw code-page bytes, numbers are
// the `atoi` of their lines, unchecked.
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

struct SetFileContents {
    int declaredCount = 0;               // the count line, as `atoi` reads it
    std::vector<SetFileRecord> records;  // the blocks the data completely holds
    bool truncated = false;              // fewer complete blocks than declared
};

// Reads set-file bytes. Only blocks whose nine lines are all present are
// returned, never more than the count line declares; a negative count reads
// as no questions. Texts longer than maxTextLength bytes are cut (0: no cut).
// Memory stays bounded by the size of the data, whatever the count claims.
SetFileContents readSetFile(std::string_view data, LineEnds lineEnds,
                            std::size_t maxTextLength);

// The bytes of a set file, every line ended by CR LF and numbers by "%d".
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
