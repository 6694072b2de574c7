#pragma once

#include <memory>
#include <string_view>

namespace nimbrel {

// A picture from the program's resources.
class Image {
public:
    Image() = default;
    virtual ~Image() = default;
    Image(const Image &) = delete;
    Image &operator=(const Image &) = delete;

    // A template image is drawn as a mask in the colour of the panel it sits on.
    virtual void setTemplate(bool isTemplate) = 0;
};

// Finds images by resource name.
class ImageLibrary {
public:
    ImageLibrary() = default;
    virtual ~ImageLibrary() = default;
    ImageLibrary(const ImageLibrary &) = delete;
    ImageLibrary &operator=(const ImageLibrary &) = delete;

    // The image of that name; nullptr when there is none.
    virtual std::shared_ptr<Image> imageNamed(std::string_view name) = 0;
};

} // namespace nimbrel
