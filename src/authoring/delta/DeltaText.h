#pragma once

#include <cstdint>
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

// Where a "<" opens a comment. In texts (features, states, item names, notes) only at
// the start or after white space or another bracket, so that "few (<3) families" stays
// text; in an item's values every "<" does, as in "3,1<rarely>".
enum class Comments { InText, InValues };

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool opensComment(std::string_view text, std::size_t at, Comments where);

// The offset just past the comment that opens at `at`, at its matching ">"; npos when it
// never closes, or only after a line that starts with "*" (a directive), and then the
// "<" is text.
std::size_t commentEnd(std::string_view text, std::size_t at);

// Where a scan goes on from `at`: past the whole comment that opens there, else the next byte.
std::size_t stepOver(std::string_view text, std::size_t at, Comments where);

// The offsets of the "<" that would open a comment in a text but never close.
std::vector<std::size_t> unclosedComments(std::string_view text);

// The pieces that `mark` starts where it stands outside comments at the start of the
// text or after white space ("#" starts a character, a note). Text before the first
// mark is dropped.
std::vector<Piece> splitAtMarks(Piece data, char mark);

// The items of ITEM DESCRIPTIONS: each "#", its name in text up to "/", then its values.
std::vector<Piece> splitItems(Piece data);

// The parts ended by a "/" outside comments that is followed by white space or the end
// ("red/ green/"); a last part without its "/" is kept when it holds more than blanks.
std::vector<Piece> splitParts(Piece text);

// The words separated by white space outside comments.
std::vector<Piece> splitWords(Piece text, Comments where = Comments::InValues, std::size_t most = SIZE_MAX);

// The text without its comments and its formatting codes ("\i{}", "\b0 ", "\super{}"),
// white space and control bytes made blanks, runs of blanks made one, blanks trimmed.
std::string plainText(std::string_view text, Comments where = Comments::InText);
// The comments' contents, joined by "; ".
std::string commentsOf(std::string_view text, Comments where = Comments::InText);

// The 1-based lines of a file's offsets, found by a search over its line ends rather than
// a count from the start for every one.
class LineIndex {
public:
    explicit LineIndex(std::string_view file);
    int lineAt(std::size_t offset) const;

private:
    std::vector<std::size_t> lineEnds_;
};

// A decimal number that is the whole of `text`.
bool readWholeNumber(std::string_view text, int& value);

// "1-5 8,12" or "1-5,8": the numbers named, in order; false when a word is not a number
// or range of numbers in 1..limit.
bool readNumberList(std::string_view text, int limit, std::vector<int>& numbers);

}  // namespace sporix::authoring::delta
