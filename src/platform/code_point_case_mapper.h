#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct UCaseMap;

namespace nimbrel {

// Full Unicode case mappings (root locale) from ICU, one code point at a
// time. Single code points are remembered, so a long text costs one ICU call per distinct
// letter instead of one per letter. Used by the case-mapping string operations only.
class CodePointCaseMapper {
public:
    enum class Mapping { upper, lower, title };

    explicit CodePointCaseMapper(Mapping mapping);
    ~CodePointCaseMapper();
    CodePointCaseMapper(const CodePointCaseMapper &) = delete;
    CodePointCaseMapper &operator=(const CodePointCaseMapper &) = delete;

    // How a code point takes part in the final-sigma context: a cased letter, a case-ignorable
    // character (marks, apostrophes), or neither.
    enum class CaseClass : std::uint8_t { other, cased, ignorable };

    // Appends the mapping of one code point given with its UTF-8 bytes and says its case class.
    // Only correct where the mapping needs no context: everywhere except capital sigma in lower
    // and title case.
    CaseClass appendCodePoint(std::string &out, char32_t codePoint, std::string_view bytes);

private:
    struct CaseMapCloser {
        void operator()(UCaseMap *caseMap) const;
    };
    struct Entry {
        char32_t codePoint = 0xFFFFFFFF;
        std::uint8_t length = 0;
        CaseClass caseClass = CaseClass::other;
        std::array<char, 14> bytes{};
    };

    static CaseClass caseClassOf(char32_t codePoint);
    void appendIcuMapped(std::string &out, std::string_view text, Mapping mapping);
    Entry &lookUp(char32_t codePoint, std::string_view bytes);

    Mapping m_mapping = Mapping::upper;
    std::unique_ptr<UCaseMap, CaseMapCloser> m_caseMap;
    std::vector<Entry> m_entries;
};

} // namespace nimbrel
