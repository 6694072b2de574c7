#include "textactions/marked_up_text.h"

namespace nimbrel {
namespace {

// The indexes of the text runs of each block, in order.
std::vector<std::vector<std::size_t>> blocksOf(const std::vector<DocumentPiece> &pieces)
{
    std::vector<std::vector<std::size_t>> blocks(1);
    for (std::size_t index = 0; index < pieces.size(); ++index) {
        if (pieces[index].isText)
            blocks.back().push_back(index);
        else if (pieces[index].breaksText && !blocks.back().empty())
            blocks.emplace_back();
    }
    return blocks;
}

} // namespace

void addPiece(std::vector<DocumentPiece> &pieces, std::size_t begin, std::size_t end,
              std::optional<std::string_view> text, bool breaksText)
{
    if (!text || pieces.empty() || !pieces.back().isText || pieces.back().end != begin) {
        DocumentPiece piece;
        piece.begin = begin;
        piece.isText = text.has_value();
        piece.breaksText = breaksText;
        pieces.push_back(std::move(piece));
    }
    pieces.back().end = end;
    if (text)
        pieces.back().text += *text;
}

std::vector<std::string> documentBlocks(const std::vector<DocumentPiece> &pieces)
{
    std::vector<std::string> texts;
    for (const auto &block : blocksOf(pieces)) {
        std::string text;
        for (const std::size_t index : block)
            text += pieces[index].text;
        if (!text.empty())
            texts.push_back(std::move(text));
    }
    return texts;
}

std::string rewriteDocument(std::string_view source, const std::vector<DocumentPiece> &pieces,
                            TextTransformation transformation, TextEncoder encode)
{
    std::vector<std::string> newTexts(pieces.size());
    for (const auto &block : blocksOf(pieces)) {
        std::vector<std::string> runs;
        for (const std::size_t index : block)
            runs.push_back(pieces[index].text);
        std::vector<std::string> transformed = transformRuns(runs, transformation);
        for (std::size_t run = 0; run < block.size(); ++run)
            newTexts[block[run]] = std::move(transformed[run]);
    }

    std::string result;
    result.reserve(source.size() + source.size() / 8);
    for (std::size_t index = 0; index < pieces.size(); ++index) {
        const DocumentPiece &piece = pieces[index];
        // A run the transformation left alone keeps its spelling (entities, escapes) too.
        if (!piece.isText || newTexts[index] == piece.text)
            result.append(source.substr(piece.begin, piece.end - piece.begin));
        else
            encode(result, newTexts[index], piece);
    }
    return result;
}

} // namespace nimbrel
