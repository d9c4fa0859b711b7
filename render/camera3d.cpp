#include "render/camera3d.h"

#include "render/fixed_point.h"
#include "render/trig_tables.h"

#include <algorithm>
#include <cmath>

namespace velmora {

Matrix4 lookAt(const Vector3& eye, const Vector3& target, const Vector3& up) {
    const Vector3 forward = (target - eye).normalised();
    const Vector3 side = cross(up, forward).normalised();
    const Vector3 trueUp = cross(forward, side).normalised();
    Matrix4 view;
    const Vector3 rows[3] = {side, trueUp, forward};
    for (int row = 0; row < 3; ++row) {
        view.m[row * 4] = rows[row].x;
        view.m[row * 4 + 1] = rows[row].y;
        view.m[row * 4 + 2] = rows[row].z;
        view.m[row * 4 + 3] = -dot(rows[row], eye);
    }
    return view;
}

void Camera3D::setFieldOfView(float degrees) {
    fieldOfView_ = degrees;
    const double tangent = std::tan(static_cast<double>(degToRad(degrees)) / 2.0);
    // A field of view at or beyond a half turn has no tangent: keep the projection finite.
    tanHalfFov_ = tangent > 0.0 ? static_cast<int>(std::min(tangent * 1024.0, 1.0e7)) : 1;
    tanHalfFov_ = std::max(tanHalfFov_, 1);
}

void Camera3D::setEye(const Vector3& eye) {
    eye_ = eye;
    dirty_ = true;
}

void Camera3D::setTarget(const Vector3& target) {
    target_ = target;
    dirty_ = true;
}

void Camera3D::setUp(const Vector3& up) {
    up_ = up;
    dirty_ = true;
}

void Camera3D::setViewport(int width, int height) {
    viewport_.width = width;
    viewport_.height = height;
    viewport_.centreX = width / 2;
    viewport_.centreY = height / 2;
    viewport_.minSide = std::min(width, height);
}

void Camera3D::setCentre(int centreX, int centreY) {
    viewport_.centreX = centreX;
    viewport_.centreY = centreY;
}

double Camera3D::projectionFactor() const {
    const double tangent = std::tan(static_cast<double>(degToRad(fieldOfView_)) / 2.0);
    return tangent > 0.0 ? viewport_.minSide / std::min(tangent, 1.0e7 / 1024.0) : viewport_.minSide * 1024.0;
}

void Camera3D::follow(int mode, const Matrix4* followed, float distance, float height, const Vector3& offset) {
    followMode_ = mode;
    if (mode == FollowNone || !followed) {
        followMode_ = FollowNone;
        followed_ = nullptr;
        return;
    }
    followed_ = followed;
    followDistance_ = distance;
    damping_ = restDamping_ = height;
    followOffset_ = mode == FollowTarget ? offset : offset.normalised();
    if (mode == FollowLeash) {
        eye_ = followed->transformPoint(-followOffset_ * followDistance_);
        up_ = {0, 1, 0};
    }
    dirty_ = true;
}

void Camera3D::update(float dt) {
    if (followMode_ == FollowNone || !followed_)
        return;
    const Matrix4& m = *followed_;
    const Vector3 position = m.getTranslation();
    const auto rotated = [&m](const Vector3& v) { return m.transformDirection(v); };
    const auto placed = [&m](const Vector3& v) { return m.transformPoint(v); };
    const Vector3 worldUp{0, 1, 0};
    switch (followMode_) {
    case FollowTarget:
        target_ = position + followOffset_;
        break;
    case FollowLeash:
        target_ = position;
        if ((eye_ - target_).lengthSquared() > followDistance_ * followDistance_) {
            eye_ = placed(-followOffset_ * followDistance_);
            up_ = worldUp;
        }
        break;
    case FollowBehind:
    case FollowSide:
    case FollowBehindAlt: {
        target_ = position;
        Vector3 o = rotated(followOffset_);
        if (followMode_ == FollowSide) {
            o.x = 0.0f;
            o.z = -0.001f;
        } else {
            o.y = followOffset_.y;
        }
        if (o.length() >= 1e-9f)
            eye_ = position + o.normalised() * followDistance_;
        up_ = worldUp;
        break;
    }
    case FollowRigid: {
        eye_ = placed(followOffset_ * followDistance_);
        const float mean = std::max((std::fabs(eye_.x) + std::fabs(eye_.y) + std::fabs(eye_.z)) / 3.0f, 10.0f);
        target_ = placed(followOffset_ * mean);
        up_ = rotated(worldUp);
        break;
    }
    case FollowChase:
    case FollowChaseTilt:
    case FollowChaseTarget: {
        const Vector3 desired = followMode_ == FollowChaseTarget ? followOffset_ * followDistance_ + target_
                                                                 : placed(followOffset_ * followDistance_);
        target_ = position;
        const float f = 1.0f - damping_ / 100.0f;
        eye_ += (desired - eye_) * f;
        const float distanceSquared = followDistance_ * followDistance_;
        if (distanceSquared > 0.0f) {
            damping_ = restDamping_ - (((eye_ - target_).lengthSquared() - distanceSquared) / distanceSquared) * dt;
            damping_ = std::clamp(damping_, 0.0f, 100.0f);
        }
        if (followMode_ == FollowChaseTilt)
            up_ += (rotated(worldUp) - up_) * f;
        else
            up_ = worldUp;
        break;
    }
    default:
        break;
    }
    dirty_ = true;
}

const Matrix4& Camera3D::viewMatrix() {
    if (dirty_) {
        view_ = lookAt(eye_, target_, up_);
        dirty_ = false;
    }
    return view_;
}

Vector3 Camera3D::worldToView(const Vector3& point) { return viewMatrix().transformPoint(point); }

Projected Camera3D::project(const Vector3& point, float frontClip) {
    const Vector3 view = worldToView(point);
    Projected result;
    if (view.z < frontClip) {
        result.x = offScreen;
        return result;
    }
    result.scale = static_cast<float>(projectionFactor()) / view.z;
    const auto limit = [](float value) { return std::clamp(saturatedInt(value), -4096, 4095); };
    result.x = std::clamp(limit(result.scale * view.x) + viewport_.width / 2, -4096, 4095);
    result.y = std::clamp(viewport_.height / 2 - limit(result.scale * view.y), -4096, 4095);
    return result;
}

} // namespace velmora
