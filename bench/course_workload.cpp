#include "course_workload.h"

#include "base/wide_string.h"
#include "media/resource_file.h"
#include "render/model_3ds_reader.h"
#include "render/model_loader.h"

#include <cmath>

namespace velmora::bench {

std::wstring workloadFolder() { return fromUtf8(VELMORA_SHARED_DIR "/bench/peer/data"); }

bool loadCourse(Course& course) {
    const std::wstring folder = workloadFolder();
    const auto bytes = readResourceFile(folder + L"/course.3ds");
    if (!bytes)
        return false;
    Model3D raw;
    read3ds(*bytes, raw, nullptr);
    Vector3 min, max;
    raw.boundingBox(min, max);
    course.fileCentre = (min + max) * 0.5f;

    ModelRequest request;
    request.folder = folder;
    request.fileName = L"course.3ds";
    request.radius = 400.0f; // the 800-unit square keeps scale 1
    request.imageCache = &course.images;
    course.model = loadModel(request);
    if (!course.model)
        return false;
    for (const auto& material : *course.model->materials) {
        material->detailLevel = ShadingMode::Unlit;
        if (material->name == L"M_WOODS") {
            material->alphaTexture = material->texture;
            material->alphaMode = AlphaMode::ColourKey;
            material->keyColour = 0xFF00FF;
        }
    }
    return true;
}

void setUpView(View3D& view, const Course& course, const CourseView& courseView, int width, int height) {
    view.setViewport(width, height);
    view.settings.frontClip = 1.0f;
    view.settings.backClip = 2000.0f;
    // 60 degrees vertically; our projection scales both axes by the smaller side, the width here,
    // and half that side spans tan(fieldOfView / 2) / 2 at unit depth.
    const double pi = 3.14159265358979;
    const double halfVertical = 30.0 * pi / 180.0;
    const double fieldOfView = 2.0 * std::atan(std::tan(halfVertical) * 2.0 * width / height);
    view.camera.setFieldOfView(static_cast<float>(fieldOfView * 180.0 / pi));
    const auto ours = [&course](const Vector3& p) { return Vector3{-p.x, p.z, -p.y} - course.fileCentre; };
    view.camera.setEye(ours(courseView.eye));
    view.camera.setTarget(ours(courseView.target));
    view.camera.setUp(0, 1, 0);
}

} // namespace velmora::bench
