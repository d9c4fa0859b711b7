#include "render/chip3d.h"
#include "render/mesh_prepare.h"
#include "render/scene3d.h"
#include "render/scene3d_nodes.h"
#include "render/trig_tables.h"
#include "render/view3d.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace velmora {
namespace {

// A square of side 2 x half facing the default camera (normal toward -z), at the origin.
std::unique_ptr<Object3D> square(float half, uint32_t colour, const wchar_t* name = L"square") {
    auto node = std::make_unique<Object3D>();
    auto material = std::make_unique<Material3D>();
    material->diffuse = colour;
    material->detailLevel = ShadingMode::Unlit;
    Material3D* m = node->addMaterial(std::move(material));
    auto mesh = std::make_unique<Mesh3D>();
    mesh->name = name;
    mesh->material = m;
    const float corners[4][2] = {{-half, half}, {half, half}, {half, -half}, {-half, -half}};
    for (const auto& corner : corners) {
        Vertex3D vertex;
        vertex.x = toFixed11(corner[0]);
        vertex.y = toFixed11(corner[1]);
        mesh->vertices.push_back(vertex);
    }
    // Seen from -z, (b - a) x (c - b) must point away from the viewer, along +z.
    mesh->addFace(0, 2, 1);
    mesh->addFace(0, 3, 2);
    node->addMesh(std::move(mesh));
    node->radius = half * 1.5f;
    return node;
}

struct Frame {
    Frame(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0) {}
    RasterTarget target() {
        return {reinterpret_cast<uint8_t*>(pixels.data()), width * 4, width, height, 32, nullptr};
    }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int count(uint32_t colour) const {
        int n = 0;
        for (uint32_t p : pixels)
            n += p == colour;
        return n;
    }
    int width;
    int height;
    std::vector<uint32_t> pixels;
};

TEST(Camera, DefaultsLookAtTheOriginFromBehind) {
    Camera3D camera;
    camera.setViewport(100, 80);
    EXPECT_EQ(camera.tanHalfFov(), 424); // tan(22.5 degrees) x 1024
    // Projection uses the tangent itself, not its 1024ths: 80 / tan(22.5 degrees).
    EXPECT_NEAR(camera.projectionFactor(), 193.137, 1e-3);
    const Projected right = camera.project({1, 0, 0}, 1.0f);
    const Projected up = camera.project({0, 1, 0}, 1.0f);
    EXPECT_GT(right.x, 50);
    EXPECT_EQ(right.y, 40);
    EXPECT_LT(up.y, 40);
    EXPECT_EQ(up.x, 50);
    EXPECT_EQ(camera.project({0, 0, -10.5f}, 1.0f).x, Camera3D::offScreen);
    const Vector3 view = camera.worldToView({0, 0, 0});
    EXPECT_FLOAT_EQ(view.z, 10.0f);
}

TEST(Camera, FollowModesPlaceTheEye) {
    Matrix4 followed = Matrix4::translation({5, 0, 5});
    Camera3D camera;
    camera.follow(FollowLeash, &followed, 4.0f, 0.0f, {0, 0, 1});
    EXPECT_FLOAT_EQ(camera.eye().z, 1.0f); // placed at once behind the node
    camera.update(0.04f);
    EXPECT_EQ(camera.target(), (Vector3{5, 0, 5}));

    camera.follow(FollowBehind, &followed, 10.0f, 0.0f, {0, 1, -1});
    camera.update(0.04f);
    EXPECT_NEAR((camera.eye() - Vector3{5, 0, 5}).length(), 10.0f, 1e-4f);
    EXPECT_GT(camera.eye().y, 0.0f);

    camera.follow(FollowChase, &followed, 10.0f, 50.0f, {0, 0, -1});
    const Vector3 before = camera.eye();
    camera.update(0.04f); // half way toward the desired point
    const Vector3 desired{5, 0, -5};
    EXPECT_NEAR(camera.eye().x, before.x + (desired.x - before.x) * 0.5f, 1e-4f);
    EXPECT_GE(camera.damping(), 0.0f);
    EXPECT_LE(camera.damping(), 100.0f);

    camera.follow(FollowNone, &followed, 1.0f, 0.0f, {});
    const Vector3 kept = camera.eye();
    followed = Matrix4::translation({50, 0, 0});
    camera.update(0.04f);
    EXPECT_EQ(camera.eye(), kept);
}

TEST(Camera, RigidSideAndTiltedChaseModes) {
    // The followed node stands at (0, 0, 10), turned a quarter turn about y.
    Matrix4 followed = Matrix4::rotationY(kPi / 2);
    followed.setTranslation({0, 0, 10});
    Camera3D camera;
    camera.follow(FollowRigid, &followed, 2.0f, 0.0f, {0, 0, -1});
    camera.update(0.04f);
    const Vector3 behind = followed.transformPoint({0, 0, -2});
    EXPECT_NEAR(camera.eye().x, behind.x, 1e-3f);
    EXPECT_NEAR(camera.eye().z, behind.z, 1e-3f);
    // The target lies along the offset at the mean of the eye's absolute coordinates (4 here), at least 10.
    const Vector3 ahead = followed.transformPoint(Vector3{0, 0, -1} * 10.0f);
    EXPECT_NEAR(camera.target().x, ahead.x, 1e-3f);

    camera.follow(FollowSide, &followed, 5.0f, 0.0f, {1, 1, 0});
    camera.update(0.04f);
    EXPECT_NEAR(camera.eye().x, 0.0f, 1e-3f); // x set to 0, z to -0.001: straight above, a hair behind
    EXPECT_NEAR(camera.eye().y, 5.0f, 1e-2f);

    camera.follow(FollowChaseTilt, &followed, 5.0f, 0.0f, {0, 0, -1});
    camera.setUp(0, 0, 1);
    camera.update(0.04f); // no damping: the up vector reaches the node's up at once
    EXPECT_NEAR(camera.up().y, 1.0f, 1e-3f);

    camera.follow(FollowChaseTarget, &followed, 5.0f, 0.0f, {0, 0, -1});
    camera.setTarget(0, 0, 0);
    camera.update(0.04f); // desired = offset x distance + the previous target
    EXPECT_NEAR(camera.eye().z, -5.0f, 1e-3f);
    EXPECT_EQ(camera.target(), (Vector3{0, 0, 10}));
}

TEST(View3D, CullsAtTheBackClipPlusRadius) {
    View3D view;
    view.setViewport(64, 64);
    view.settings.backClip = 1000.0f;
    auto node = square(1.0f, 0xFFFFFF);
    node->radius = 1.0f;
    node->transform = Matrix4::translation({0, 0, 991.5f}); // view depth 1001.5
    EXPECT_FALSE(view.passesCulling(*node, view.nodeToView(*node)));
    node->transform = Matrix4::translation({0, 0, 990.5f}); // its sphere reaches 999.5 ... 1001.5
    EXPECT_TRUE(view.passesCulling(*node, view.nodeToView(*node)));
    node->transform = Matrix4::translation({500, 0, 0}); // far to the side
    EXPECT_FALSE(view.passesCulling(*node, view.nodeToView(*node)));
    node->cullingPolicy = 0;
    EXPECT_TRUE(view.passesCulling(*node, view.nodeToView(*node)));
}

TEST(View3D, VerticalBillboardKeepsItsVerticalWhenSeenFromAbove) {
    View3D view;
    view.setViewport(64, 64);
    view.camera.setEye(0, 20, -5);
    auto node = square(1.0f, 0xFFFFFF);
    node->billboard = BillboardVertical;
    node->transform = Matrix4::rotationZ(0.7f); // its own tilt is replaced
    const Matrix4 toView = view.nodeToView(*node);
    const Vector3 nodeUp = toView.transformDirection({0, 1, 0});
    const Vector3 worldUp = view.camera.viewMatrix().transformDirection({0, 1, 0});
    EXPECT_NEAR(nodeUp.x, worldUp.x, 1e-5f);
    EXPECT_NEAR(nodeUp.y, worldUp.y, 1e-5f);
    EXPECT_NEAR(nodeUp.z, worldUp.z, 1e-5f);
    // Its face turns toward the camera about that vertical: the node's x stays level.
    EXPECT_NEAR(view.camera.viewMatrix().transformDirection({0, 1, 0}).x,
                toView.transformDirection({1, 0, 0}).y, 1e-5f);

    node->billboard = BillboardScreen;
    const Matrix4 flat = view.nodeToView(*node);
    EXPECT_NEAR(flat.transformDirection({1, 0, 0}).x, 1.0f, 1e-6f);
    EXPECT_NEAR(flat.transformDirection({0, 1, 0}).y, 1.0f, 1e-6f);
}

TEST(View3D, DrawsWithDepthAndStartsFromTheProvidersDepths) {
    View3D front;
    front.setViewport(40, 40);
    auto nearSquare = square(1.0f, 0x00FF00);
    nearSquare->transform = Matrix4::translation({-1, 0, 0}); // covers the left half of the middle
    Frame first(40, 40);
    Object3D* firstNodes[] = {nearSquare.get()};
    front.draw(first.target(), firstNodes);
    EXPECT_EQ(first.at(20, 20), 0x000000u); // its right edge, x = 0, is the centre column
    EXPECT_EQ(first.at(17, 20), 0x00FF00u);

    View3D back;
    back.setViewport(40, 40);
    back.zBufferProvider = &front;
    auto farSquare = square(3.0f, 0xFF0000);
    farSquare->transform = Matrix4::translation({0, 0, 5});
    Frame second(40, 40);
    Object3D* secondNodes[] = {farSquare.get()};
    back.draw(second.target(), secondNodes);
    EXPECT_EQ(second.at(17, 20), 0x000000u); // hidden behind the provider's square
    EXPECT_EQ(second.at(24, 20), 0xFF0000u);
}

TEST(View3D, FacesCrossingTheNearPlaneAreDrawnInPart) {
    // A floor running from behind the camera to far ahead, seen from just above it.
    auto floor = std::make_unique<Object3D>();
    auto material = std::make_unique<Material3D>();
    material->diffuse = 0x3366CC;
    material->detailLevel = ShadingMode::Unlit;
    Material3D* m = floor->addMaterial(std::move(material));
    auto mesh = std::make_unique<Mesh3D>();
    mesh->material = m;
    for (const auto& [x, z] : {std::pair{-20.0f, -30.0f}, {20.0f, -30.0f}, {20.0f, 60.0f}, {-20.0f, 60.0f}}) {
        Vertex3D vertex;
        vertex.x = toFixed11(x);
        vertex.y = toFixed11(-1.0f);
        vertex.z = toFixed11(z);
        mesh->vertices.push_back(vertex);
    }
    mesh->addFace(0, 1, 2); // facing up: the stored normal points down
    mesh->addFace(0, 2, 3);
    Mesh3D* floorMesh = floor->addMesh(std::move(mesh));
    floor->radius = 100.0f;

    View3D view;
    view.setViewport(32, 32);
    view.camera.setEye(0, 0, 0);
    view.camera.setTarget(0, 0, 10);
    Frame clipped(32, 32);
    Object3D* nodes[] = {floor.get()};
    view.draw(clipped.target(), nodes);
    EXPECT_GT(clipped.count(0x3366CC), 32 * 8); // the lower part of the picture
    EXPECT_EQ(clipped.at(16, 2), 0u);           // nothing above the horizon
    EXPECT_EQ(clipped.at(16, 30), 0x3366CCu);

    floorMesh->noClip = true;
    Frame dropped(32, 32);
    view.draw(dropped.target(), nodes);
    EXPECT_EQ(dropped.count(0x3366CC), 0);

    // An edge from far behind the camera to ahead of it along x = z / 10 is seen as the column
    // 16 + k / 10 = 23.7 (k = 32 / tan(22.5 degrees)); its clip vertex must lie on it, which a
    // coarse clip fraction would miss by a unit and more, moving the column by pixels.
    floorMesh->noClip = false;
    floorMesh->vertices.resize(3);
    for (const auto& [i, x, z] :
         {std::tuple{0, -500.0f, -5000.0f}, {1, 50.0f, 500.0f}, {2, -500.0f, 500.0f}}) {
        floorMesh->vertices[i].x = toFixed11(x);
        floorMesh->vertices[i].z = toFixed11(z);
    }
    floorMesh->faces.resize(1);
    floorMesh->prepared = false;
    Frame diagonal(32, 32);
    view.draw(diagonal.target(), nodes);
    for (int row : {20, 28, 31}) {
        EXPECT_EQ(diagonal.at(23, row), 0x3366CCu) << row;
        EXPECT_EQ(diagonal.at(24, row), 0u) << row;
    }
}

TEST(Chip3D, QuadsInEachOrientationNormalisedToTheirSize) {
    ChipParameters parameters;
    parameters.width = 4.0f;
    parameters.height = 2.0f;
    parameters.radiusScale = 0.5f;
    Chip3D upright(parameters);
    const Mesh3D* mesh = upright.findMesh(L"chip");
    ASSERT_TRUE(mesh);
    ASSERT_EQ(mesh->vertices.size(), 4u);
    ASSERT_EQ(mesh->faces.size(), 2u);
    EXPECT_EQ(mesh->faces[1].a, 2);
    EXPECT_EQ(mesh->material->name, L"chipMtl");
    EXPECT_TRUE(mesh->material->twoSided);
    EXPECT_TRUE(mesh->material->flatShaded);
    // Largest half-extent 2 becomes max(4, 2) x 0.5 = 2: the quad keeps its size here.
    EXPECT_EQ(mesh->vertices[0].x, 2 * 2048);
    EXPECT_EQ(mesh->vertices[0].y, 1 * 2048);
    EXPECT_EQ(mesh->vertices[0].z, 0);
    EXPECT_EQ(mesh->vertices[3].u, 0);
    EXPECT_EQ(mesh->vertices[0].u, 65536);
    EXPECT_FLOAT_EQ(upright.worldWidth, 4.0f);
    EXPECT_FLOAT_EQ(upright.radius, 2.0f);

    parameters.orientation = ChipOrientation::Flat;
    parameters.mirror = true;
    Chip3D flat(parameters);
    const Mesh3D* flatMesh = flat.findMesh(L"chip");
    EXPECT_EQ(flatMesh->vertices[0].y, 0);
    EXPECT_EQ(flatMesh->vertices[0].z, 1 * 2048);
    EXPECT_EQ(flatMesh->vertices[0].u, 0); // mirrored

    auto copy = flat.copy(CopyMeshes | CopyMaterials);
    auto* chipCopy = dynamic_cast<Chip3D*>(copy.get());
    ASSERT_TRUE(chipCopy);
    EXPECT_FLOAT_EQ(chipCopy->worldHeight, 2.0f);
}

TEST(Object3D, CopiesShareWhatTheyDoNotDuplicate) {
    auto node = square(1.0f, 0x123456);
    node->transform = Matrix4::translation({1, 2, 3});
    auto shared = node->copy(0);
    EXPECT_EQ(shared->meshes, node->meshes);
    EXPECT_EQ(shared->materials, node->materials);
    EXPECT_EQ(shared->transform.getTranslation(), (Vector3{1, 2, 3}));

    auto deep = node->copy(CopyMeshes | CopyMaterials);
    ASSERT_NE(deep->meshes, node->meshes);
    const Mesh3D& mesh = *deep->meshes->front();
    EXPECT_EQ(mesh.material, deep->materials->front().get());
    EXPECT_EQ(mesh.faces.front().mesh, &mesh);
    deep->setDetailLevel(ShadingMode::Reflective);
    EXPECT_EQ(node->materials->front()->detailLevel, ShadingMode::Unlit);

    // Meshes duplicated, materials shared: the duplicated meshes keep the shared materials.
    auto meshesOnly = node->copy(CopyMeshes);
    EXPECT_EQ(meshesOnly->meshes->front()->material, node->materials->front().get());
}

TEST(Object3D, CopiesOfALargeModelStayWithinTheVertexBudget) {
    auto node = square(1.0f, 0x123456);
    node->meshes->front()->vertices.resize(maxCopiedVertices / 4);
    EXPECT_EQ(copiesOf(*node, 8).size(), 3u); // four in all
    EXPECT_EQ(copiesOf(*square(1.0f, 0), 8).size(), 7u);
}

TEST(Object3D, LevelsOfDetailBySegment) {
    auto node = square(1.0f, 0x111111);
    std::vector<std::unique_ptr<Object3D>> levels;
    levels.push_back(square(1.0f, 0x222222, L"near"));
    levels.push_back(square(1.0f, 0x333333, L"far"));
    node->setLevels(std::move(levels), 10.0f);
    EXPECT_EQ(node->levelAt(5.0f), -1); // within one segment: the node's own meshes
    EXPECT_EQ(node->levelAt(15.0f), 0);
    EXPECT_EQ(node->levelAt(25.0f), 1);
    EXPECT_EQ(node->levelAt(500.0f), 1);
    EXPECT_EQ(node->meshesForLevel(1).front()->name, L"far");
    node->setLevels({}, 10.0f); // ignored: no levels
    EXPECT_EQ(node->levelAt(25.0f), 1);
}

TEST(Prepare, NormalsAndTransformedMeshes) {
    auto node = square(1.0f, 0xFFFFFF);
    prepare(*node, true);
    const Mesh3D& mesh = *node->meshes->front();
    EXPECT_EQ(mesh.faces[0].normalZ, 2048);
    EXPECT_EQ(mesh.vertices[0].normalZ, 2048);
    EXPECT_TRUE(mesh.prepared);
    EXPECT_FLOAT_EQ(mesh.radius, std::sqrt(2.0f));
    transformMeshes(*node, Matrix4::translation({0, 0, 2}), nullptr, nullptr, true);
    EXPECT_EQ(mesh.vertices[0].z, 2 * 2048);
    EXPECT_FALSE(mesh.prepared);
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

TEST(Scene3DPainter, DrawsIntoTheScenesRectangleAfterItsBackground) {
    Surface page;
    ASSERT_TRUE(page.create(60, 50, false));
    Scene3D scene;
    scene.x = 10;
    scene.y = 5;
    scene.setSize(40, 40);
    scene.bkgColor = 0x102030;
    scene.add(L"grpSquare", square(1.0f, 0xFFFFFF));
    Scene3DPainter painter(scene);
    painter.viewport = {&page, 10, 5, 40, 40};
    painter.draw(0.04f);
    EXPECT_EQ(painter.frameCounter(), 1u);
    EXPECT_EQ(page.getPixel(5, 5), 0u);                   // outside the scene
    EXPECT_EQ(page.getPixel(11, 6), 0x102030u);           // its background
    EXPECT_EQ(page.getPixel(10 + 20, 5 + 20), 0xFFFFFFu); // the square at its centre
}

struct SplitOnce : SubdivisionPolicy {
    bool subdivide(const Face3D&, const Vertex3D&, const Vertex3D&, const Vertex3D&, int depth) override {
        return depth < 1;
    }
};

TEST(Renderer3D, SubdivisionSplitsEachFaceIntoFourAndCoversTheSamePixels) {
    auto node = square(1.0f, 0xABCDEF);
    View3D view;
    view.setViewport(32, 32);
    Object3D* nodes[] = {node.get()};
    Frame whole(32, 32);
    view.draw(whole.target(), nodes);
    EXPECT_EQ(view.renderer.queuedFaces(), 2);

    SplitOnce policy;
    node->meshes->front()->subdivision = &policy;
    Frame split(32, 32);
    view.draw(split.target(), nodes);
    EXPECT_EQ(view.renderer.queuedFaces(), 8);
    EXPECT_EQ(split.count(0xABCDEF), whole.count(0xABCDEF));
}

TEST(View3D, SmoothLightingFollowsTheSurfaceNormal) {
    auto node = square(1.0f, 0xFFFFFF);
    node->setDetailLevel(ShadingMode::Lit);
    Object3D* nodes[] = {node.get()};
    for (const auto& [direction, lit] :
         {std::pair{Vector3{0, 0, 1}, true}, std::pair{Vector3{0, -1, 0}, false}}) {
        View3D view;
        view.setViewport(32, 32);
        view.addLight(Light3D(direction, 0xFFFFFF, 0x000000, 0, 120));
        Frame frame(32, 32);
        view.draw(frame.target(), nodes);
        const uint32_t centre = frame.at(16, 16);
        if (lit)
            EXPECT_GE(centre & 0xFF, 0xF0u) << std::hex << centre;
        else
            EXPECT_LT(centre & 0xFF, 0x10u) << std::hex << centre; // the table cell is 1/32 off centre
    }
}

TEST(Renderer3D, WireMaterialsDrawEdgesOnly) {
    auto node = square(1.0f, 0x00FF00);
    node->materials->front()->wire = true;
    View3D view;
    view.setViewport(32, 32);
    Object3D* nodes[] = {node.get()};
    Frame frame(32, 32);
    view.draw(frame.target(), nodes);
    EXPECT_GT(frame.count(0x00FF00), 20);
    EXPECT_LT(frame.count(0x00FF00), 100);
    EXPECT_EQ(frame.at(14, 18), 0u); // inside the square, off its diagonal
}

} // namespace
} // namespace velmora
