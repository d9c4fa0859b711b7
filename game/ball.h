#pragma once
// The one moving body of a game: placed on the ground aimed at the cup, struck with a speed and a
// loft, then advanced by a fixed step per frame through flight under a growing gravity with wind
// drift, bounces that mirror its velocity about the ground and keep a small part of it, and rolling
// that follows the ground with friction by surface and a downhill pull. It can drop into the cup or
// lip out of it, drown in water or end out of bounds; it casts a shadow and leaves a trail. What
// follows from where it stops (strokes, penalties, messages) is asked of the game page.

#include "game/ball_flags.h"
#include "game/mesh_pose.h"
#include "render/chip3d.h"
#include "render/quaternion.h"
#include "render/scene3d.h"

#include <array>

namespace velmora {

class BallHost;

struct TrailParticle {
    float age = 0.0f;               // seconds since it was emitted
    Material3D* material = nullptr; // of the quad
    Chip3D* quad = nullptr;         // node "trail" of the scene, hidden while idle
};

class Ball : public BallFlags {
public:
    // Every frame advances the ball by this step, whatever the frame's duration.
    static constexpr float fixedStep = 0.0625f;
    static constexpr int trailLength = 36;

    // The ball is the group "grpBall" with its meshes "ball" (the sphere) and "arrow" (the aim);
    // its shadow and trail quads are added to the scene, textured with the shadow picture.
    Ball(BallHost& host, Object3D& ballGroup, Scene3D& mainScene, Texture* shadowPicture);
    // A ball without shadow or trail, for shots that are only simulated.
    Ball(BallHost& host, Object3D& ballGroup);

    // Puts the ball on the ground at point (on the peg at the tee), aimed at the cup, ready to play.
    void placeAt(Vector3 point);
    // Strikes the resting ball: speed along the aim, raised by angle (radians).
    void launch(float launchSpeed, float angle);
    // Turns the resting ball's aim about its up axis, clockwise seen from above for turnRight.
    void turnAim(bool turnRight, float angle);
    // Advances the ball by t seconds (the game passes fixedStep).
    void step(float t);
    // Brings the ball to rest and ends the shot.
    void stop();
    // The end of a stroke (the distance travelled), then stop.
    void stopAndCommit();

    // The direction the ball is aimed in (its local +z), and its up axis.
    Vector3 aim() const;
    Vector3 up() const;
    bool isShown() const { return group->visible; }
    void show(bool shown);

    Object3D* group;
    Chip3D* shadow = nullptr;
    Material3D* shadowMaterial = nullptr;
    Mesh3D* ballMesh = nullptr;
    Mesh3D* arrow = nullptr;
    Vector3 velocity; // world units per second
    Vector3 position;
    Vector3 previousPosition; // after the previous step
    Vector3 spinAxis{1, 0, 0};
    Vector3 groundNormal{0, 1, 0};
    Vector3 lightDirection{0, -1, 0}; // of the scene's "directionalLight", for the shadow
    Matrix4* transform;
    float radius = 0.0f;
    float speed = 0.0f;  // length of velocity at the start of the step
    float height = 0.0f; // above the ground
    BallHost* canvas;    // the game page in play, or the host of a simulation
    float fallSpeed = 0.0f;  // gravity gathered in flight
    float slopeSpeed = 0.0f; // gravity gathered while rolling
    float gravity = 0.98f;
    float windDrift = 0.0f;
    float trailTimer = 0.0f;
    float trailInterval = 0.01f;
    std::array<TrailParticle, trailLength> trail;

private:
    // A simulated ball has no shadow or trail.
    bool leavesMarks() const { return shadow != nullptr; }
    void move(float t);
    void overTheCup(float& groundHeight);
    void bounce();
    void roll(float t);
    void drown();
    void turnAbout(const Vector3& axis, float angle);
    void orientUp(const Vector3& normal);
    void spinBall(const Vector3& axis, float angle);
    void emitTrail(float t);
    void ageTrail(float t);
    void placeShadow();

    MeshPose spinPose_;
    Quaternion spin_;
};

} // namespace velmora
