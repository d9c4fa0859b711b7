#pragma once
// The camera of a 3D scene: where it is and looks, its field of view and viewport, the follow
// rules that move it after a node every frame, and the projection numbers the rasterizer uses.

#include "render/matrix4.h"
#include "render/vector3.h"

#include <cstdint>

namespace velmora {

enum FollowMode : int {
    FollowNone = -2,
    FollowTarget = -1,   // target = P + offset
    FollowLeash = 0,     // eye placed behind again when it gets too far
    FollowBehind = 1,    // eye behind the node's heading at a fixed height ratio
    FollowSide = 2,      // as 1 with the offset's rotated height
    FollowBehindAlt = 3, // as 1
    FollowRigid = 4,     // eye fixed in the node's frame
    FollowChase = 5,     // smoothed chase
    FollowChaseTilt = 6, // smoothed chase whose up follows the node's
    FollowChaseTarget = 7, // smoothed chase toward a point relative to the target
};

struct CameraViewport {
    int width = 0;
    int height = 0;
    int centreX = 0;
    int centreY = 0;
    int minSide = 0;
};

// The screen position of a projected point; x is offScreen when it lies in front of the front clip.
struct Projected {
    int x = 0;
    int y = 0;
    float scale = 0.0f; // pixels per world unit at the point's depth
};

class Camera3D {
public:
    static constexpr int offScreen = -10000;

    Camera3D() { setFieldOfView(45.0f); }

    void setFieldOfView(float degrees);
    float fieldOfView() const { return fieldOfView_; }
    int tanHalfFov() const { return tanHalfFov_; }
    void setEye(const Vector3& eye);
    void setTarget(const Vector3& target);
    void setUp(const Vector3& up);
    void setEye(float x, float y, float z) { setEye({x, y, z}); }
    void setTarget(float x, float y, float z) { setTarget({x, y, z}); }
    void setUp(float x, float y, float z) { setUp({x, y, z}); }
    const Vector3& eye() const { return eye_; }
    const Vector3& target() const { return target_; }
    const Vector3& up() const { return up_; }

    // Also puts the centre in the middle.
    void setViewport(int width, int height);
    void setCentre(int centreX, int centreY);
    const CameraViewport& viewport() const { return viewport_; }
    bool hasViewport() const { return viewport_.width > 0 && viewport_.height > 0; }
    // k: minSide / tan(fieldOfView / 2), pixels per unit of x / z.
    double projectionFactor() const;

    // Starts following the node whose node -> world matrix is given (it must outlive the
    // following); FollowNone stops. height sets both damping copies of the smoothed modes.
    void follow(int mode, const Matrix4* followed, float distance, float height, const Vector3& offset);
    int followMode() const { return followMode_; }
    float damping() const { return damping_; }
    // Runs the follow rule of the current mode for a time step in seconds.
    void update(float dt);

    // World -> view, rebuilt when the camera moved.
    const Matrix4& viewMatrix();
    Vector3 worldToView(const Vector3& point);
    // The screen position of a world point; points nearer than frontClip are off screen.
    Projected project(const Vector3& point, float frontClip);

private:
    float fieldOfView_ = 45.0f;
    int tanHalfFov_ = 1;
    Vector3 eye_{0, 0, -10};
    Vector3 target_{0, 0, 0};
    Vector3 up_{0, 1, 0};
    float followDistance_ = 10.0f;
    float damping_ = 0.0f;
    float restDamping_ = 0.0f;
    Vector3 followOffset_;
    CameraViewport viewport_;
    bool dirty_ = true;
    Matrix4 view_;
    int followMode_ = FollowNone;
    const Matrix4* followed_ = nullptr;
};

// The view matrix of an eye looking at a target: rows side, true up and forward, view z growing
// away from the eye.
Matrix4 lookAt(const Vector3& eye, const Vector3& target, const Vector3& up);

} // namespace velmora
