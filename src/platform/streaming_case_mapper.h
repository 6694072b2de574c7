#pragma once

#include "platform/code_point_case_mapper.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace nimbrel {

// Locale-independent Unicode case mapping of a text that arrives in pieces, with everything that
// carries from one piece to the next (the word start, the final-sigma context) carried along, so
// that mapping a text whole or piece by piece gives the same bytes. Where each piece ends in the
// result is known at once: every character's mapping is written as it is read. A capital sigma
// whose form depends on what follows is written as a medial sigma and turned final in place, a
// change of one byte, once the next character says so.
class StreamingCaseMapper {
public:
    enum class Mapping { upper, lower, capitalized };

    explicit StreamingCaseMapper(Mapping mapping);

    // Maps the next piece, valid UTF-8, appending to out: the string this mapper has appended to
    // since the text began, changed by nobody else meanwhile.
    void append(std::string_view piece, std::string &out);
    // Ends the text, settling a pending sigma; the next piece starts a text of its own.
    void endText(std::string &out);

private:
    using CaseClass = CodePointCaseMapper::CaseClass;

    void appendAscii(std::string_view run, std::string &out);
    void appendCodePoint(char32_t codePoint, std::string_view bytes, std::string &out);
    void settleSigma(CaseClass next, std::string &out);

    Mapping m_mapping = Mapping::upper;
    CodePointCaseMapper m_first;
    CodePointCaseMapper m_rest;
    bool m_atWordStart = true;
    // Whether a cased letter comes last, case-ignorable characters after it aside.
    bool m_afterCased = false;
    static constexpr std::size_t noSigma = static_cast<std::size_t>(-1);
    // Where a sigma that is final unless a cased letter follows was written.
    std::size_t m_pendingSigma = noSigma;
};

} // namespace nimbrel
