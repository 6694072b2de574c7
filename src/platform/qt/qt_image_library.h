#pragma once

#include "platform/image.h"

namespace nimbrel {

// Images compiled into the program as SVG resources under :/icons/<name>.svg.
class QtImageLibrary final : public ImageLibrary {
public:
    QtImageLibrary() = default;

    std::shared_ptr<Image> imageNamed(std::string_view name) override;
};

} // namespace nimbrel
