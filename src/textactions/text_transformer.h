#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace nimbrel {

// The transformations of the text actions that rewrite text.
enum class Transformation { capitalize, lowercase, uppercase, snakeCase, collapseWhitespace, removeAllSpaces };

// How the whitespace actions treat a text. A plain copy's text is one line of words, as the
// actions have always made it. A rich copy keeps its layout: in its RTF's blocks and in the plain
// text that goes with it, tabs and line breaks are hard breaks that stay where they are (they
// stand for the cells, paragraphs and line breaks that the documents keep), words join only
// between them, and "remove all whitespace" removes every space there is, the no-break space
// included, since each shows as a space. HTML text flows: its ASCII whitespace, line ends
// included, shows as spaces, and only the line and paragraph separators break it.
enum class TextLayout { plain, rich, htmlFlow };

// Whether the character breaks the text in that layout, as a line end or a cell's end does.
bool isHardBreak(char32_t codePoint, TextLayout layout);

// A transformation applied to a text that arrives in pieces, valid UTF-8 each and cut between
// characters. Everything a piece's result depends on (the word start, the final-sigma context,
// the whitespace before it) is carried over, so that the pieces' results, appended in order, are
// the transformation of the whole. Each character's result is written as it is read, where the
// character stands: a separator goes where the whitespace it stands for began. Only two
// results are settled later, in place: a sigma turned final, and a separator dropped at the end.
class TextTransformer {
public:
    TextTransformer() = default;
    virtual ~TextTransformer() = default;
    TextTransformer(const TextTransformer &) = delete;
    TextTransformer &operator=(const TextTransformer &) = delete;

    // Transforms the next piece, appending to out: the string this transformer has appended to
    // since the text began, changed by nobody else meanwhile.
    virtual void append(std::string_view piece, std::string &out) = 0;
    // Ends the text: what was pending is settled and may shorten out by a trailing separator.
    // The next piece starts a text of its own.
    virtual void endText(std::string &out) = 0;
};

std::unique_ptr<TextTransformer> makeTextTransformer(Transformation transformation, TextLayout layout);

// The transformation of a whole text; invalid UTF-8 comes out as U+FFFD.
std::string transformedText(Transformation transformation, TextLayout layout, std::string_view text);

} // namespace nimbrel
