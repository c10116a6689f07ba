#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lexical rules shared by every part of a DELTA directives file: comments in angle
// brackets (which may nest and hold any character), and blanks and line ends that are
// all the same white space.
namespace sporix::authoring::delta {

// A piece of a directive's data with the offset of its first byte in the file.
struct Piece {
    std::string_view text;
    std::size_t offset = 0;
};

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The offset just past the comment that opens at `at` ("<"), or the end of the text
// when it is never closed.
std::size_t skipComment(std::string_view text, std::size_t at);

// The pieces that `mark` starts where it stands outside comments at the start of the
// text or after white space ("#" starts a character, an item, a note). Text before the
// first mark is dropped.
std::vector<Piece> splitAtMarks(Piece data, char mark);

// The parts ended by a "/" outside comments that is followed by white space or the end
// ("red/ green/"); a last part without its "/" is kept when it holds more than blanks.
std::vector<Piece> splitParts(Piece text);

// The words separated by white space outside comments.
std::vector<Piece> splitWords(Piece text);

// The text without its comments, white space and control bytes made blanks, runs of
// blanks made one, blanks trimmed.
std::string plainText(std::string_view text);
// The comments' contents, joined by "; ".
std::string commentsOf(std::string_view text);

// The 1-based line of `offset` in `file`.
int lineAt(std::string_view file, std::size_t offset);

// A decimal number that is the whole of `text`.
bool readWholeNumber(std::string_view text, int& value);

// "1-5 8,12" or "1-5,8": the numbers named, in order; false when a word is not a number
// or range of numbers in 1..limit.
bool readNumberList(std::string_view text, int limit, std::vector<int>& numbers);

}  // namespace sporix::authoring::delta
