// The ball's shadow on the ground under it (shifted along the light, fading with height) and the
// trail of quads a fast ball leaves behind it (fading with age).
#include "game/ball.h"

#include "game/game_canvas.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr float shadowFadePerUnit = 30.0f;
constexpr float trailLifetime = 0.4f;
constexpr float trailFade = 220.0f;
} // namespace

void Ball::emitTrail(float t) {
    trailTimer += t;
    const int count = std::min(3 + static_cast<int>(0.03f * speed), 6);
    if (trailTimer <= static_cast<float>(count) * trailInterval)
        return;
    trailTimer = 0.0f;
    int started = 0;
    for (TrailParticle& particle : trail) {
        if (started == count)
            break;
        if (particle.quad->visible)
            continue;
        const float share = static_cast<float>(started) / static_cast<float>(count);
        particle.quad->transform = *transform;
        particle.quad->transform.setTranslation(position + (previousPosition - position) * share);
        particle.quad->visible = true;
        particle.age = 0.0f;
        ++started;
    }
}

void Ball::ageTrail(float t) {
    for (TrailParticle& particle : trail) {
        if (!particle.quad->visible)
            continue;
        particle.age += t;
        if (particle.age >= trailLifetime) {
            particle.quad->visible = false;
            particle.age = 0.0f;
            particle.material->transparency = 0;
        } else {
            particle.material->transparency = static_cast<int>(particle.age / trailLifetime * trailFade);
        }
    }
}

void Ball::placeShadow() {
    const Vector3 lit{position.x + lightDirection.x * height, position.y,
                      position.z + lightDirection.z * height};
    const Ground ground = canvas->terrain().ground(lit);
    if (!isStill && !isInWater)
        shadow->visible = position.y > ground.point.y;
    shadow->transform = Matrix4::fromQuaternion(rotationBetween({0, 1, 0}, ground.normal), Vector3{}, 1.0f);
    shadow->transform.setTranslation(ground.point);
    shadowMaterial->transparency = std::min(saturatedInt(height * shadowFadePerUnit), 255);
}

} // namespace velmora
