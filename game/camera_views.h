#pragma once
// The game's fixed camera views: behind the ball for aiming, watching the ball from where the
// camera stands, the cup, and the golfer's face. Each makes the scene's camera follow a node with
// one of its follow rules; the game page moves between them as the ball flies (camera_views.cpp).

#include "render/camera3d.h"
#include "render/object3d.h"

namespace velmora {

enum class CameraView : int {
    Aim = 0,    // behind the ball, looking along its aim
    Watch = 1,  // from where the camera stands, looking at the ball
    Cup = 2,    // the cup, from the side the camera is on
    Golfer = 3, // the golfer's face
};

inline constexpr float cameraFieldOfView = 60.0f;

// Makes the camera follow the view's node. flagShown widens the cup view for the flag.
void takeCameraView(Camera3D& camera, CameraView view, const Object3D& followed, bool flagShown);

// The lowest and highest eye the game allows: 2.5 above the ground under the eye and 5 above
// the ball; an eye below the first is raised to it, else one above the second is lowered to it.
float clampedEyeHeight(float eyeHeight, float groundUnderEye, float ballHeight);

} // namespace velmora
