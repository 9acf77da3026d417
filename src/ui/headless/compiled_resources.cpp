#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/headless/resources.h"

namespace ui::headless {

// Generated at build time from the program's .rc files.
extern const std::uint8_t kCompiledResources[];
extern const std::size_t kCompiledResourcesSize;

const ResourceSet& compiledResources() {
    static const ResourceSet set = [] {
        ResourceSet s;
        s.load(std::span<const std::uint8_t>(kCompiledResources, kCompiledResourcesSize));
        return s;
    }();
    return set;
}

}  // namespace ui::headless
