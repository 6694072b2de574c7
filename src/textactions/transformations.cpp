#include "textactions/transformations.h"

#include "textactions/text_transformer.h"

namespace nimbrel {

std::string collapseWhitespace(std::string_view text)
{
    return transformedText(Transformation::collapseWhitespace, TextLayout::plain, text);
}

std::string removeAllSpaces(std::string_view text)
{
    return transformedText(Transformation::removeAllSpaces, TextLayout::plain, text);
}

std::string snakeCase(std::string_view text)
{
    return transformedText(Transformation::snakeCase, TextLayout::plain, text);
}

} // namespace nimbrel
