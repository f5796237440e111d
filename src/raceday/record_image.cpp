#include "raceday/record_image.h"

namespace vantor {

void copyPadded(std::span<char> to, SjisView from) {
    const std::size_t n = std::min(to.size(), from.size());
    std::copy_n(from.data(), n, to.begin());
    std::fill(to.begin() + static_cast<std::ptrdiff_t>(n), to.end(), ' ');
}

}  // namespace vantor
