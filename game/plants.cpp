#include "game/course_features.h"

#include "render/chip3d.h"
#include "render/scalar_math.h"

#include <algorithm>
#include <memory>

namespace velmora {

namespace {
constexpr int plantChance = 81; // of a random 0 ... 100: about four places in five
constexpr float liftShare = 0.48f;

// A plant stands on the ground with its middle a little below half its height.
void plant(Object3D& node, float worldHeight, const Vector3& around, float spread, const Terrain& terrain) {
    const float a = randomFloat(-spread, spread);
    const float b = randomFloat(-spread, spread);
    Vector3 spot{around.x + a, around.y, around.z + b};
    Vector3 normal;
    terrain.dropToGround(spot, normal);
    spot.y += liftShare * worldHeight;
    node.transform.setTranslation(spot);
}
} // namespace

void placePlants(Scene3D& mainScene, const std::vector<Vector3>& playLine,
                 const std::vector<Texture*>& pictures, const Terrain& terrain) {
    if (playLine.size() < 2)
        return;
    // Plants the course template placed itself are spread along the line in their order.
    int placed = 0;
    for (int i = 0; i < mainScene.children.count(); ++i) {
        auto* node = dynamic_cast<Object3D*>(mainScene.children.at(i));
        if (!node || node->name != plantName)
            continue;
        const auto* chip = dynamic_cast<const Chip3D*>(node);
        const size_t k = static_cast<size_t>(placed++) % (playLine.size() - 1);
        plant(*node, chip ? chip->worldHeight : node->dimensions.y, playLine[k], 3.0f, terrain);
    }
    if (placed > 0 || pictures.empty())
        return;
    for (size_t i = 0; i + 1 < playLine.size(); ++i) {
        const int r = randomInt(0, 100);
        if (r >= plantChance)
            continue;
        Texture* picture = pictures[static_cast<size_t>(r) % pictures.size()];
        const int width = picture ? picture->originalWidth : 0;
        const int height = picture ? picture->originalHeight : 0;
        if (width <= 0 || height <= 0)
            continue;
        const bool tree = width <= height;
        const float size = tree ? randomFloat(6.0f, 7.0f) : randomFloat(3.0f, 4.0f);
        ChipParameters parameters;
        parameters.radiusScale = size / static_cast<float>(std::max(width, height));
        parameters.width = static_cast<float>(width);
        parameters.height = static_cast<float>(height);
        parameters.orientation = ChipOrientation::FacingZ;
        parameters.texture = picture;
        parameters.alphaTexture = picture;
        parameters.mirror = (r & 1) != 0;
        auto chip = std::make_unique<Chip3D>(parameters);
        chip->setDetailLevel(ShadingMode::Unlit);
        chip->billboard = BillboardScreen;
        plant(*chip, chip->worldHeight, playLine[i], 2.0f, terrain);
        mainScene.add(plantName, std::move(chip));
    }
}

} // namespace velmora
