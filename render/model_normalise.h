#pragma once
// Re-centres a model and scales it so that its largest half-extent equals a radius.

#include "render/object3d.h"

#include <string>

namespace velmora {

// The box is taken over the selected meshes (isSelected); every mesh moves with it. When nothing is
// selected, or the radius is not positive, the model keeps its scale and centre, and radius and
// dimensions describe it as it is.
void normalise(Model3D& model, float radius, const std::wstring* wantedObjects = nullptr,
               const std::wstring* unwantedObjects = nullptr);

} // namespace velmora
