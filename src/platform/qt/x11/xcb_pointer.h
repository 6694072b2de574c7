#pragma once

#include <cstdlib>
#include <memory>

namespace nimbrel {

struct XcbFree {
    void operator()(void *pointer) const { std::free(pointer); }
};

// Replies and events from libxcb, which hands them out from malloc.
template <typename T>
using XcbPointer = std::unique_ptr<T, XcbFree>;

} // namespace nimbrel
