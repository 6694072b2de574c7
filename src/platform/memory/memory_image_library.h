#pragma once

#include "platform/image.h"

#include <set>
#include <string>

namespace nimbrel {

class MemoryImage final : public Image {
public:
    void setTemplate(bool isTemplate) override { m_isTemplate = isTemplate; }
    bool isTemplate() const { return m_isTemplate; }

private:
    bool m_isTemplate = false;
};

// Knows the images it was given by name.
class MemoryImageLibrary final : public ImageLibrary {
public:
    explicit MemoryImageLibrary(std::set<std::string, std::less<>> names = {"statusIcon"}) : m_names(std::move(names)) {}

    std::shared_ptr<Image> imageNamed(std::string_view name) override;

private:
    std::set<std::string, std::less<>> m_names;
};

} // namespace nimbrel
