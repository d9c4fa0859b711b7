#include "game/camera_views.h"

#include "game/game_canvas.h"
#include "render/scalar_math.h"

namespace velmora {

namespace {
constexpr float aimDistance = 15.0f;
constexpr float aimLag = 50.0f;
constexpr Vector3 aimOffset{0.0f, 0.1f, -1.0f};
constexpr float watchDistance = 150.0f;
constexpr float cupDistanceWithFlag = 20.0f;
constexpr float cupDistance = 15.0f;
constexpr float cupLag = 95.0f;
constexpr float cupOffsetHeight = 0.2f;
constexpr float golferDistance = 15.0f;
constexpr Vector3 golferOffset{0.0f, 0.0f, -1.0f};

constexpr float watchFromHeight = 25.0f; // a ball this high is watched from where the camera stands
constexpr float watchLead = 1.5f;        // seconds of flight the watching camera is put ahead
constexpr float watchScatter = 5.0f;
constexpr float aimAgainBelowSpeed = 15.0f;
constexpr float eyeAboveGround = 2.5f;
constexpr float eyeAboveBall = 5.0f;
} // namespace

void takeCameraView(Camera3D& camera, CameraView view, const Object3D& followed, bool flagShown) {
    camera.setFieldOfView(cameraFieldOfView);
    const Matrix4* node = &followed.transform;
    switch (view) {
    case CameraView::Aim:
        camera.follow(FollowChase, node, aimDistance, aimLag, aimOffset);
        break;
    case CameraView::Watch:
        camera.follow(FollowTarget, node, watchDistance, 0.0f, Vector3{});
        break;
    case CameraView::Cup: {
        Vector3 offset = (camera.eye() - followed.transform.getTranslation()).normalised();
        offset.y = cupOffsetHeight;
        camera.follow(FollowChase, node, flagShown ? cupDistanceWithFlag : cupDistance, cupLag, offset);
        break;
    }
    case CameraView::Golfer:
        camera.follow(FollowChase, node, golferDistance, 0.0f, golferOffset);
        break;
    }
}

float clampedEyeHeight(float eyeHeight, float groundUnderEye, float ballHeight) {
    if (eyeHeight < groundUnderEye + eyeAboveGround)
        return groundUnderEye + eyeAboveGround;
    if (eyeHeight > ballHeight + eyeAboveBall)
        return ballHeight + eyeAboveBall;
    return eyeHeight;
}

void GameCanvas::takeCameraView(CameraView view) {
    Object3D* followed = view == CameraView::Cup ? grpCup : view == CameraView::Golfer ? grpGolfer : grpBall;
    if (camera && followed)
        velmora::takeCameraView(*camera, view, *followed, grpFlag && grpFlag->visible);
}

void GameCanvas::updateCamera(float step) {
    if (!camera || !ball)
        return;
    const bool normalPlay = !checkingTarget && !golferView;
    if (normalPlay && camera->followMode() == FollowChase && ball->height > watchFromHeight) {
        Vector3 eye = ball->position + ball->velocity * watchLead;
        eye.x += randomFloat(-watchScatter, watchScatter);
        eye.z += randomFloat(-watchScatter, watchScatter);
        camera->setEye(eye);
        takeCameraView(CameraView::Watch);
    }
    if (normalPlay && camera->followMode() == FollowTarget && ball->speed < aimAgainBelowSpeed &&
        activePlayer().selectedSwingType != SwingPutt)
        takeCameraView(CameraView::Aim);
    if (camera->followMode() == FollowChase) {
        // Just after the impact the camera stays still for a moment.
        if (cameraHeld < cameraHold) {
            cameraHeld += step;
        } else {
            cameraHold = cameraHeld = 0.0f;
            camera->update(step);
        }
    } else {
        camera->update(step);
    }
    Vector3 eye = camera->eye();
    eye.y = clampedEyeHeight(eye.y, terrain_.ground(eye).point.y, ball->position.y);
    camera->setEye(eye);
}

} // namespace velmora
