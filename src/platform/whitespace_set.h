#pragma once

// The whitespace-and-newline set: Unicode Zs, Zl and Zp, U+0009 to U+000D and U+0085. Inline so
// the transformation loops can test code points without a call.
namespace nimbrel {

constexpr bool inWhitespaceSet(char32_t codePoint)
{
    switch (codePoint) {
    case U'\u0009': case U'\u000A': case U'\u000B': case U'\u000C': case U'\u000D':
    case U'\u0020': case U'\u0085': case U'\u00A0': case U'\u1680':
    case U'\u2000': case U'\u2001': case U'\u2002': case U'\u2003': case U'\u2004': case U'\u2005':
    case U'\u2006': case U'\u2007': case U'\u2008': case U'\u2009': case U'\u200A':
    case U'\u2028': case U'\u2029': case U'\u202F': case U'\u205F': case U'\u3000':
        return true;
    default:
        return false;
    }
}

} // namespace nimbrel
