#pragma once
// The last step of making a material: a texture whose picture has a transparent colour makes the
// material colour-keyed by it.

#include "render/material3d.h"

namespace velmora {

void finishMaterial(Material3D& material);

} // namespace velmora
