#include "render/lighting_table.h"

#include "render/fixed_point.h"
#include "render/pixel_colour.h"

#include <algorithm>
#include <cmath>

namespace velmora {

void buildLightingTables(LightingTables& tables, const std::vector<Light3D>& lights, uint32_t ambient,
                         int bitsPerPixel) {
    for (int j = -32; j < 32; ++j) {
        for (int i = -32; i < 32; ++i) {
            const float x = static_cast<float>(i) / 32.0f;
            const float y = static_cast<float>(j) / 32.0f;
            const float rest = 1.0f - static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y)));
            const Vector3 normal = Vector3{x, y, std::max(rest, 0.0f)}.normalised();
            int diffuse[3] = {static_cast<int>((ambient >> 16) & 255), static_cast<int>((ambient >> 8) & 255),
                              static_cast<int>(ambient & 255)};
            int specular[3] = {0, 0, 0};
            for (const Light3D& light : lights) {
                const int d = std::max(saturatedInt(255.0f * dot(normal, light.direction)), 0);
                const float k = static_cast<float>(light.specularStrength) / 255.0f;
                const float e = 1.0f / std::max(static_cast<float>(light.specularSharpness) / 4096.0f, 0.01f);
                const float highlight = k * std::pow(static_cast<float>(d) / 255.0f, e);
                for (int c = 0; c < 3; ++c) {
                    const int shift = 16 - 8 * c;
                    diffuse[c] += static_cast<int>((light.diffuse >> shift) & 255) * d >> 8;
                    specular[c] += std::min(saturatedInt(static_cast<float>((light.specular >> shift) & 255) * highlight), 255);
                }
            }
            uint32_t diffuseRgb = 0;
            uint32_t specularRgb = 0;
            for (int c = 0; c < 3; ++c) {
                diffuseRgb = (diffuseRgb << 8) | static_cast<uint32_t>(std::clamp(diffuse[c], 0, 255));
                specularRgb = (specularRgb << 8) | static_cast<uint32_t>(std::clamp(specular[c], 0, 255));
            }
            const int index = (j + 32) * lightingTableSide + (i + 32);
            tables.diffuse[index] = encodePixel(diffuseRgb, bitsPerPixel);
            tables.specular[index] = encodePixel(specularRgb, bitsPerPixel);
        }
    }
}

} // namespace velmora
