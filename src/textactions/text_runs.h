#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

using TextTransformation = std::string (*)(std::string_view);

// The transformation of the runs' joined text, split back into one piece per run: the pieces
// joined are exactly transformation(runs joined), so words that span runs are transformed as
// one. Runs are valid UTF-8; every piece ends on a character boundary.
std::vector<std::string> transformRuns(const std::vector<std::string> &runs, TextTransformation transformation);

} // namespace nimbrel
