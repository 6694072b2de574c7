// Where a run ends in the transformed text: at the length of the transformation of everything
// before that end. The text actions' transformations keep what a prefix becomes as a prefix of
// the whole (a final sigma has the length of a medial one; a dropped trailing space is where
// the next run's separator goes), so the split keeps each character's result with its run.
//
// Transforming every prefix would cost quadratic time, so the prefix is cut at a word start q:
// for every end b after q, |T(text[0, b))| = C + |T(text[q, b))| with C fixed, because no case
// context crosses whitespace and a word start gets the same separator whatever follows it. C is
// learnt once per word start from an end already measured. The split is clamped to stay in
// order and on character boundaries, so a transformation without these properties still gives
// pieces that join to its result.
#include "textactions/text_runs.h"

#include "platform/utf8.h"
#include "platform/whitespace_set.h"

#include <algorithm>

namespace nimbrel {
namespace {

class PrefixLengths {
public:
    PrefixLengths(std::string_view text, TextTransformation transformation)
        : m_text(text)
        , m_transformation(transformation)
    {
    }

    // |T(text[0, end))|, for ends given in increasing order, each past the one before.
    std::size_t at(std::size_t end)
    {
        const std::size_t wordStart = lastWordStartBefore(end);
        const std::size_t length = m_anchorLength + transformedLength(m_anchor, end);
        if (wordStart > m_anchor) {
            m_anchorLength = length - std::min(length, transformedLength(wordStart, end));
            m_anchor = wordStart;
        } else if (end - m_anchor > longWord && !m_afterSpace && !spaceAt(end)) {
            // Inside a long word every character maps alone (but for a word's first letter and a
            // final sigma, neither of which is here): cut there, or a word split over thousands
            // of runs would cost quadratic time.
            m_anchorLength = length;
            m_anchor = end;
        }
        return length;
    }

private:
    static constexpr std::size_t longWord = 256;

    bool spaceAt(std::size_t position) const
    {
        return position < m_text.size() && inWhitespaceSet(decodeUtf8(m_text, position).codePoint);
    }

    std::size_t transformedLength(std::size_t begin, std::size_t end) const
    {
        return m_transformation(m_text.substr(begin, end - begin)).size();
    }

    // The last position after the anchor and before end where a word follows whitespace; the
    // anchor when there is none.
    std::size_t lastWordStartBefore(std::size_t end)
    {
        while (m_scanned < end) {
            const Utf8Sequence sequence = decodeUtf8(m_text, m_scanned);
            const bool space = inWhitespaceSet(sequence.codePoint);
            if (!space && m_afterSpace && m_scanned > m_anchor)
                m_wordStart = m_scanned;
            m_afterSpace = space;
            m_scanned += sequence.length;
        }
        return std::max(m_wordStart, m_anchor);
    }

    std::string_view m_text;
    TextTransformation m_transformation = nullptr;
    std::size_t m_anchor = 0;
    std::size_t m_anchorLength = 0;
    std::size_t m_scanned = 0;
    std::size_t m_wordStart = 0;
    bool m_afterSpace = false;
};

} // namespace

std::vector<std::string> transformRuns(const std::vector<std::string> &runs, TextTransformation transformation)
{
    std::string joined;
    for (const auto &run : runs)
        joined += run;
    const std::string result = transformation(joined);

    std::vector<std::string> pieces;
    pieces.reserve(runs.size());
    PrefixLengths prefixLengths(joined, transformation);
    std::size_t end = 0;
    std::size_t pieceStart = 0;
    for (std::size_t index = 0; index < runs.size(); ++index) {
        end += runs[index].size();
        std::size_t pieceEnd = result.size();
        if (index + 1 < runs.size() && !runs[index].empty()) {
            pieceEnd = std::clamp(prefixLengths.at(end), pieceStart, result.size());
            while (pieceEnd < result.size() && (static_cast<unsigned char>(result[pieceEnd]) & 0xC0) == 0x80)
                ++pieceEnd;
        } else if (index + 1 < runs.size()) {
            pieceEnd = pieceStart;
        }
        pieces.push_back(result.substr(pieceStart, pieceEnd - pieceStart));
        pieceStart = pieceEnd;
    }
    return pieces;
}

} // namespace nimbrel
