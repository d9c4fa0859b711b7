#include "base/hash_map.h"

namespace velmora {

int32_t hashString(const std::wstring& key) {
    const uint32_t n = key.size() < 65535 ? static_cast<uint32_t>(key.size()) : 65535u;
    uint32_t h = 0; // 32-bit wrap-around arithmetic
    for (uint32_t k = 1; k <= 32; ++k)
        h = h * 31 + static_cast<uint32_t>(key[(k * n) / 32]);
    return static_cast<int32_t>(h);
}

} // namespace velmora
