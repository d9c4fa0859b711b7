#include "game/ball.h"

#include "game/ball_host.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {
constexpr float onTeeDistanceSquared = 0.0001f; // within 0.01 of the tee point, horizontally
constexpr float cupGravityFactor = 15.0f;       // a ball over the cup drops fast
constexpr float windDriftPerMph = 3.0f;
constexpr float windDriftHeightRate = 0.04f; // the drift grows with height up to 25 units
constexpr float lipOutSpeed = 15.0f;
constexpr float restHeight = 0.9f;   // radii above the ground at rest
constexpr float bunkerSink = 0.5f;   // radii lower in sand
constexpr float bounceSpeed = 40.0f; // divided by the surface factor
constexpr float bounceKeep = 0.15f;
constexpr float deadBounceKeep = 0.01f; // in sand or out of bounds
constexpr float stopSpeed = 2.0f;
constexpr float trailSpeed = 20.0f;
constexpr float slopePull = 3.0f;
constexpr float drownDepth = 10.0f; // radii
constexpr float flightSpin = 2.0f;  // radians per second
constexpr float shadowScale = 1.4f;
constexpr float shadowDepthBias = 0.1f;
constexpr float trailScale = 1.3f;

Vector3 randomAxis() {
    const float x = randomFloat(-1.0f, 1.0f);
    const float y = randomFloat(-1.0f, 1.0f);
    const float z = randomFloat(-1.0f, 1.0f);
    return {x, y, z};
}

// A node's rotation replaced, its translation kept.
void setRotation(Matrix4& transform, const Matrix4& rotation) {
    const Vector3 translation = transform.getTranslation();
    transform = rotation;
    transform.setTranslation(translation);
}

float frictionOf(const Ball& ball) {
    if (ball.isInGreen || ball.isInTGround)
        return 7.0f;
    if (ball.isInFairway)
        return 12.0f;
    if (ball.isInRough)
        return 30.0f;
    if (ball.isInbunker)
        return 50.0f;
    return 30.0f;
}
} // namespace

Ball::Ball(BallHost& host, Object3D& ballGroup)
    : group(&ballGroup), transform(&ballGroup.transform), radius(ballGroup.radius), canvas(&host) {}

Ball::Ball(BallHost& host, Object3D& ballGroup, Scene3D& mainScene, Texture* shadowPicture)
    : Ball(host, ballGroup) {
    ballMesh = group->findMesh(L"ball");
    arrow = group->findMesh(L"arrow");
    if (arrow && arrow->material) {
        arrow->material->detailLevel = ShadingMode::UnlitBlended;
        arrow->material->transparency = 150;
        arrow->material->edgeFlags = EdgeAB | EdgeBC | EdgeFill;
    }
    spinPose_ = MeshPose(ballMesh);
    for (const Light3D& light : mainScene.view.lights) {
        if (light.name == L"directionalLight")
            lightDirection = light.direction;
    }

    ChipParameters flat;
    flat.radiusScale = shadowScale * radius;
    flat.orientation = ChipOrientation::Flat;
    flat.texture = shadowPicture;
    auto shadowQuad = std::make_unique<Chip3D>(flat);
    shadowMaterial = shadowQuad->findMaterial(L"chipMtl");
    shadowMaterial->diffuse = 0x000000;
    shadowMaterial->detailLevel = ShadingMode::UnlitBlended;
    shadowMaterial->twoSided = true;
    for (const auto& mesh : *shadowQuad->meshes)
        mesh->depthBias = toFixed16(shadowDepthBias);
    shadow = shadowQuad.get();
    mainScene.add(L"shadow", std::move(shadowQuad));

    ChipParameters facing;
    facing.radiusScale = trailScale * radius;
    facing.orientation = ChipOrientation::FacingZ;
    facing.texture = shadowPicture;
    for (TrailParticle& particle : trail) {
        auto quad = std::make_unique<Chip3D>(facing);
        quad->visible = false;
        quad->billboard = BillboardScreen;
        particle.material = quad->findMaterial(L"chipMtl");
        particle.material->diffuse = 0xFFFFFF;
        particle.material->detailLevel = ShadingMode::UnlitBlended;
        particle.quad = quad.get();
        mainScene.add(L"trail", std::move(quad));
    }
}

Vector3 Ball::aim() const {
    return transform->transformDirection({0, 0, 1});
}

Vector3 Ball::up() const {
    return transform->transformDirection({0, 1, 0});
}

void Ball::show(bool shown) {
    group->visible = shown;
}

void Ball::placeAt(Vector3 point) {
    const Ground ground = canvas->terrain().ground(point);
    point = ground.point;
    point.y += radius;
    const Vector3 tee = canvas->teePoint();
    const float dx = point.x - tee.x;
    const float dz = point.z - tee.z;
    if (dx * dx + dz * dz < onTeeDistanceSquared)
        point.y += canvas->pegHeight();
    groundNormal = ground.normal;
    classifyLie(*this, ground.surface, canvas->terrain().surfaces, canvas->cupPoint());
    position = previousPosition = point;

    Vector3 towardCup = canvas->cupPoint() - point;
    towardCup.y = 0.0f;
    Quaternion orientation;
    multiply(orientation, rotationBetween({0, 1, 0}, ground.normal), rotationBetween({0, 0, 1}, towardCup));
    *transform = Matrix4::fromQuaternion(orientation, point, 1.0f);

    if (arrow)
        arrow->visible = true;
    canvas->ballPlaced(isInGreen);
}

void Ball::launch(float launchSpeed, float angle) {
    if (!isStill || isInTheCup)
        return;
    isOnTee = false;
    canvas->ballLaunched();
    // A turn by -angle about the local x axis raises +z by angle.
    const Vector3 lofted = Matrix4::rotationX(-angle).transformDirection({0, 0, launchSpeed});
    velocity = transform->transformDirection(lofted);
    spinAxis = randomAxis();
    if (arrow)
        arrow->visible = false;
}

void Ball::turnAim(bool turnRight, float angle) {
    if (isStill)
        turnAbout(up(), turnRight ? angle : -angle);
}

void Ball::turnAbout(const Vector3& axis, float angle) {
    Matrix4 turned = Matrix4::fromAxisAngle(axis, angle) * *transform;
    setRotation(*transform, turned);
}

void Ball::orientUp(const Vector3& normal) {
    Matrix4 turned = Matrix4::fromQuaternion(rotationBetween(up(), normal), Vector3{}, 1.0f) * *transform;
    setRotation(*transform, turned);
}

void Ball::spinBall(const Vector3& axis, float angle) {
    multiply(spin_, Quaternion::fromAxisAngle(axis, angle), spin_);
    spin_.normalise();
    spinPose_.set(Matrix4::fromQuaternion(spin_, Vector3{}, 1.0f));
}

void Ball::step(float t) {
    speed = velocity.length();
    isStill = speed == 0.0f;
    if (isStill && !isInTheCup)
        height = radius;
    else
        move(t);

    if ((isInWater || isOnWaterBank) && isShown() && !isInTheAir && !isOutOfBoundary)
        drown();

    transform->setTranslation(position);
    ageTrail(t);
    placeShadow();
    isOutOfBoundary = canvas->courseMap().isOutOfBounds(position);
    previousPosition = position;
}

void Ball::move(float t) {
    if (isInTheAir) {
        fallSpeed += gravity * t * (isInTheCup ? cupGravityFactor : 1.0f);
        velocity.y -= fallSpeed;
        windDrift = windDriftPerMph * static_cast<float>(canvas->windMph()) *
                    std::min(1.0f, windDriftHeightRate * height);
    } else {
        fallSpeed = 0.0f;
        windDrift = 0.0f;
    }
    position += velocity * t;
    const float w = canvas->windHeading();
    position += Vector3{sinT(w), 0.0f, cosT(w)} * (windDrift * t);

    const Ground ground = canvas->terrain().ground(position);
    float groundHeight = ground.point.y;
    groundNormal = ground.normal;
    if (!ground.surface)
        isOutOfBoundary = true;
    classifyLie(*this, ground.surface, canvas->terrain().surfaces, canvas->cupPoint());
    if (isInTheCup)
        overTheCup(groundHeight);

    height = position.y - groundHeight;
    if (static_cast<double>(height) >= 2.0 * static_cast<double>(radius)) {
        isInTheAir = true;
        spinBall(spinAxis, flightSpin * t);
        if (speed > trailSpeed)
            emitTrail(t);
        return;
    }
    position.y = groundHeight + restHeight * radius - (isInbunker ? bunkerSink * radius : 0.0f);
    height = position.y - groundHeight;
    const Mesh3D* water = canvas->terrain().surfaces.water;
    const bool onWater = water && ground.surface == water;
    if (isInTheAir && speed > bounceSpeed / canvas->shotSurfaceFactor() && !onWater)
        bounce();
    else
        roll(t);
    isInTheAir = false;
    if (speed < stopSpeed)
        stopAndCommit();
    if (speed > trailSpeed)
        emitTrail(t);
}

void Ball::overTheCup(float& groundHeight) {
    if (speed > lipOutSpeed && (canvas->shotIsPutt() || (canvas->shotIsChip() && randomInt(0, 100) >= 51))) {
        if (randomInt(0, 100) < 51)
            turnAbout(up(), -randomFloat(0.5f, 1.0f));
        else
            turnAbout(up(), 1.0f);
        isInTheCup = false;
        const float r1 = randomFloat(0.3f, 0.6f);
        speed = r1 * speed < 1.0f ? 1.0f : randomFloat(0.3f, 0.6f) * speed;
        return; // rolls on from the new aim at the new speed
    }
    canvas->ballOverCup();
    if (position.y < groundHeight - 3.0f * radius && !canvas->strikerHasFinished()) {
        canvas->ballHoled();
        if (!isStill)
            stop();
        isInTheCup = false;
    }
    groundHeight -= 4.0f * radius;
    position.x = canvas->cupPoint().x;
    position.z = canvas->cupPoint().z;
    velocity = {};
}

void Ball::bounce() {
    const Vector3 n = groundNormal;
    velocity = velocity - n * (2.0f * dot(velocity, n));
    velocity.scale(isInbunker || isOutOfBoundary ? deadBounceKeep : bounceKeep);
    spinAxis = randomAxis();
    canvas->ballBounced();
}

void Ball::roll(float t) {
    orientUp(groundNormal);
    velocity = aim() * speed;
    const float d = frictionOf(*this) * canvas->shotSurfaceFactor() * t;
    if (speed >= d && speed > 0.0f)
        velocity.scale((speed - d) / speed);
    else
        velocity = {};
    slopeSpeed += gravity * t;
    Vector3 pull{0.0f, -slopePull * slopeSpeed, 0.0f};
    pull -= groundNormal * dot(pull, groundNormal);
    velocity += pull;
    spinBall({1, 0, 0}, speed * t / radius);
}

void Ball::drown() {
    canvas->ballDrowned();
    show(false);
    position.y -= drownDepth * radius;
    const WaterExit exit = stepOutOfWater(canvas->terrain(), position, aim(), radius);
    position = exit.point;
    stop();
    if (shadow)
        shadow->visible = false;
    canvas->ballInWater(position, exit.dry && !canvas->courseMap().isOutOfBounds(position));
}

void Ball::stop() {
    fallSpeed = 0.0f;
    slopeSpeed = 0.0f;
    isStill = true;
    velocity = {};
    canvas->shotEnded();
}

void Ball::stopAndCommit() {
    canvas->endStroke();
    stop();
}

} // namespace velmora
