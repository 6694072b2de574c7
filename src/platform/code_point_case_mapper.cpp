#include "platform/code_point_case_mapper.h"

#include <unicode/uchar.h>
#include <unicode/ucasemap.h>

#include <cstring>

namespace nimbrel {

namespace {

// A direct-mapped table: small enough to set up per call, large enough for the letters of
// any one script.
constexpr std::size_t entryCount = 1024;

std::uint32_t optionsFor(CodePointCaseMapper::Mapping mapping)
{
    // Title case sees one word at a time: its first character is title-cased as it stands,
    // without skipping ahead to the first letter, and the rest is lower-cased.
    return mapping == CodePointCaseMapper::Mapping::title ? U_TITLECASE_WHOLE_STRING | U_TITLECASE_NO_BREAK_ADJUSTMENT
                                                          : 0;
}

} // namespace

void CodePointCaseMapper::CaseMapCloser::operator()(UCaseMap *caseMap) const
{
    ucasemap_close(caseMap);
}

CodePointCaseMapper::CodePointCaseMapper(Mapping mapping)
    : m_mapping(mapping)
{
    UErrorCode status = U_ZERO_ERROR;
    m_caseMap.reset(ucasemap_open("", optionsFor(mapping), &status));
    if (U_FAILURE(status))
        m_caseMap.reset();
}

CodePointCaseMapper::~CodePointCaseMapper() = default;

CodePointCaseMapper::CaseClass CodePointCaseMapper::appendCodePoint(std::string &out, char32_t codePoint,
                                                                     std::string_view bytes)
{
    const Entry &entry = lookUp(codePoint, bytes);
    if (entry.codePoint == codePoint) {
        out.append(entry.bytes.data(), entry.length);
        return entry.caseClass;
    }
    appendIcuMapped(out, bytes, m_mapping);
    return caseClassOf(codePoint);
}

CodePointCaseMapper::CaseClass CodePointCaseMapper::caseClassOf(char32_t codePoint)
{
    const auto character = static_cast<UChar32>(codePoint);
    if (u_hasBinaryProperty(character, UCHAR_CASE_IGNORABLE))
        return CaseClass::ignorable;
    return u_hasBinaryProperty(character, UCHAR_CASED) ? CaseClass::cased : CaseClass::other;
}

CodePointCaseMapper::Entry &CodePointCaseMapper::lookUp(char32_t codePoint, std::string_view bytes)
{
    if (m_entries.empty())
        m_entries.resize(entryCount);
    Entry &entry = m_entries[(codePoint ^ (codePoint >> 10)) % entryCount];
    if (entry.codePoint == codePoint)
        return entry;

    std::string mapped;
    if (u_hasBinaryProperty(static_cast<UChar32>(codePoint), UCHAR_CHANGES_WHEN_CASEMAPPED))
        appendIcuMapped(mapped, bytes, m_mapping);
    else
        mapped = bytes;
    // A mapping too long for the entry (none is, in Unicode 15) is simply not remembered.
    if (mapped.size() <= entry.bytes.size()) {
        entry.codePoint = codePoint;
        entry.length = static_cast<std::uint8_t>(mapped.size());
        entry.caseClass = caseClassOf(codePoint);
        std::memcpy(entry.bytes.data(), mapped.data(), mapped.size());
    }
    return entry;
}

// Calls ICU on valid text and appends the result; without ICU data the text stays unchanged.
void CodePointCaseMapper::appendIcuMapped(std::string &out, std::string_view text, Mapping mapping)
{
    if (!m_caseMap) {
        out.append(text);
        return;
    }
    const auto map = [this, mapping, text](char *dest, std::int32_t capacity, UErrorCode *status) {
        const auto length = static_cast<std::int32_t>(text.size());
        switch (mapping) {
        case Mapping::upper:
            return ucasemap_utf8ToUpper(m_caseMap.get(), dest, capacity, text.data(), length, status);
        case Mapping::lower:
            return ucasemap_utf8ToLower(m_caseMap.get(), dest, capacity, text.data(), length, status);
        case Mapping::title:
            return ucasemap_utf8ToTitle(m_caseMap.get(), dest, capacity, text.data(), length, status);
        }
        return 0;
    };

    const std::size_t start = out.size();
    std::array<char, 64> small{};
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length = map(small.data(), static_cast<std::int32_t>(small.size()), &status);
    if (U_SUCCESS(status)) {
        out.append(small.data(), static_cast<std::size_t>(length));
        return;
    }
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(start + static_cast<std::size_t>(length));
        status = U_ZERO_ERROR;
        length = map(out.data() + start, length, &status);
        if (U_SUCCESS(status)) {
            out.resize(start + static_cast<std::size_t>(length));
            return;
        }
        out.resize(start);
    }
    out.append(text);
}

} // namespace nimbrel
