#include "render/spatial_grid.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace velmora {
namespace {

// Adds a mesh of the given world-unit vertices and faces.
Mesh3D* addMesh(Model3D& model, const wchar_t* name, std::initializer_list<Vector3> points,
                std::initializer_list<std::array<int, 3>> faces) {
    auto mesh = std::make_unique<Mesh3D>();
    mesh->name = name;
    for (const Vector3& p : points) {
        Vertex3D vertex;
        vertex.x = toFixed11(p.x);
        vertex.y = toFixed11(p.y);
        vertex.z = toFixed11(p.z);
        mesh->vertices.push_back(vertex);
    }
    for (const auto& face : faces)
        mesh->addFace(face[0], face[1], face[2]);
    return model.addMesh(std::move(mesh));
}

// Two triangles of a square from (0, 0) to (10, 10) in x-z, facing up (stored normals point into
// the ground), meeting along the diagonal; the second is raised at its far corner.
Model3D& groundModel(Model3D& model, float raised = 0.0f) {
    addMesh(model, L"FAIRWAY", {{0, 0, 0}, {0, 0, 10}, {10, 0, 10}}, {{0, 2, 1}});
    addMesh(model, L"GREEN", {{0, 0, 0}, {10, 0, 10}, {10, raised, 0}}, {{0, 2, 1}});
    return model;
}

TEST(SpatialGrid, DropsToTheGroundAndClampsAtTheBorder) {
    Model3D model;
    groundModel(model, 4.0f);
    auto grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, 4, 4, 4);
    Vector3 point{2, 100, 8};
    Vector3 normal;
    EXPECT_EQ(grid->dropToGround(point, normal), model.findMesh(L"FAIRWAY"));
    EXPECT_NEAR(point.y, 0.0f, 1e-4f);
    EXPECT_NEAR(normal.y, 1.0f, 1e-3f);
    // Beyond the box in x: the border column answers.
    Vector3 outside{-50, 0, 9};
    EXPECT_EQ(grid->dropToGround(outside, normal), model.findMesh(L"FAIRWAY"));
    // The raised triangle slopes: half way along x at z = 0 it is 2 high.
    Vector3 slope{5, 0, 0.5f};
    EXPECT_EQ(grid->dropToGround(slope, normal), model.findMesh(L"GREEN"));
    EXPECT_NEAR(slope.y, 1.8f, 1e-3f);
    EXPECT_LT(normal.x, 0.0f); // rising toward +x and -z
    EXPECT_GT(normal.z, 0.0f);
}

TEST(SpatialGrid, ASharedEdgeGivesOneHitTheHigher) {
    Model3D model;
    // Two triangles sharing the edge x = 5, the right one lifted along it.
    addMesh(model, L"LOW", {{0, 0, 0}, {0, 0, 10}, {5, 0, 10}, {5, 0, 0}}, {{0, 2, 1}, {0, 3, 2}});
    addMesh(model, L"HIGH", {{5, 1, 0}, {5, 1, 10}, {10, 0, 10}}, {{0, 2, 1}});
    auto grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, 2, 2, 2);
    Vector3 point{5, 0, 5};
    Vector3 normal;
    EXPECT_EQ(grid->dropToGround(point, normal), model.findMesh(L"HIGH"));
    EXPECT_NEAR(point.y, 1.0f, 1e-4f);
    // The diagonal shared by the two faces of LOW: one answer.
    Vector3 diagonal{2.5f, 0, 5};
    EXPECT_EQ(grid->dropToGround(diagonal, normal), model.findMesh(L"LOW"));
}

TEST(SpatialGrid, WallsAreNeverFloorsAndCeilingsAreFoundAbove) {
    Model3D model;
    addMesh(model, L"WALL", {{0, 0, 0}, {0, 10, 0}, {0, 10, 10}, {0, 0, 10}}, {{0, 1, 2}, {0, 2, 3}});
    addMesh(model, L"ROOF", {{-5, 8, -5}, {5, 8, -5}, {5, 8, 15}}, {{0, 2, 1}}); // faces down
    auto grid = SpatialGrid::build(model, 0.5f, nullptr, nullptr, -1, -1, -1);
    Vector3 point{0, 0, 5};
    Vector3 normal;
    EXPECT_EQ(grid->dropToGround(point, normal), nullptr);
    grid->query({4, 0, 0}, {4, 2, 0}, GridAxis::Y, GridDirection::Above);
    EXPECT_EQ(grid->above.mesh, model.findMesh(L"ROOF"));
    EXPECT_NEAR(grid->above.point.y, 8.0f, 1e-4f);
    EXPECT_EQ(grid->below.mesh, nullptr);
}

TEST(SpatialGrid, ComputedGranularityAndSelection) {
    Model3D model;
    addMesh(model, L"ONE", {{0, 0, 0}, {0, 0, 4}, {2, 1, 4}}, {{0, 1, 2}});
    addMesh(model, L"TREES", {{-100, 0, -100}, {-100, 50, -100}, {-90, 0, -90}}, {{0, 1, 2}});
    const std::wstring unwanted = L"TREES";
    auto grid = SpatialGrid::build(model, 1.0f, nullptr, &unwanted, -1, 8, 8);
    // One triangle: its own extents give one cell per axis.
    EXPECT_EQ(grid->granuX, 1);
    EXPECT_EQ(grid->granuY, 1);
    EXPECT_EQ(grid->granuZ, 1);
    EXPECT_FLOAT_EQ(grid->minP.x, 0.0f);
    EXPECT_FLOAT_EQ(grid->maxP.z, 4.0f);
    EXPECT_EQ(grid->cellCount(), 3);
}

// Two faces whose bounds cover the whole box in every view.
void addBoxFillingFaces(Model3D& model, int count) {
    auto mesh = std::make_unique<Mesh3D>();
    for (const Vector3& p : {Vector3{0, 0, 0}, Vector3{10, 10, 0}, Vector3{10, 0, 10}, Vector3{0, 10, 10}}) {
        Vertex3D vertex;
        vertex.x = toFixed11(p.x);
        vertex.y = toFixed11(p.y);
        vertex.z = toFixed11(p.z);
        mesh->vertices.push_back(vertex);
    }
    for (int i = 0; i < count; ++i)
        mesh->addFace(i % 2, i % 2 + 1, i % 2 + 2);
    model.addMesh(std::move(mesh));
}

TEST(SpatialGrid, CellsAndTheirListsStayWithinTheirBudgets) {
    { // 1000 cells a side would make three million cells: halved on the largest axis until they fit.
        Model3D model;
        addBoxFillingFaces(model, 2);
        auto grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, 1000, 1000, 1000);
        EXPECT_EQ(grid->granuX, 250);
        EXPECT_EQ(grid->granuY, 250);
        EXPECT_EQ(grid->granuZ, 250);
        EXPECT_EQ(grid->cellCount(), 3 * 250 * 250);
    }
    { // The game's 50 x 1 x 50 with faces listed in every cell: 2600 entries a face is too many.
        Model3D model;
        addBoxFillingFaces(model, 2000);
        auto grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, 50, 1, 50);
        EXPECT_EQ(grid->granuX, 25);
        EXPECT_EQ(grid->granuZ, 50);
        Vector3 point{5, 20, 5}, normal;
        EXPECT_NE(grid->dropToGround(point, normal), nullptr); // still answers
    }
}

TEST(SpatialGrid, Description) {
    Model3D empty;
    auto grid = SpatialGrid::build(empty, 1.0f, nullptr, nullptr, 3, 3, 3);
    EXPECT_EQ(grid->describe(), L"minP:(0.0,0.0,0.0), maxP:(0.0,0.0,0.0), _dimX:0.0, _dimY:0.0, _dimZ:0.0, "
                                L"granuX:3, granuY:3, granuZ:3, CellNum:0, TriNumPerCell:0.0");
    Model3D model;
    groundModel(model);
    grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, 2, 1, 2);
    EXPECT_EQ(grid->describe(), L"minP:(0.0,0.0,0.0), maxP:(10.0,0.0,10.0), _dimX:10.0, _dimY:0.0, _dimZ:10.0, "
                                L"granuX:2, granuY:1, granuZ:2, CellNum:8, TriNumPerCell:2.0");
}

TEST(SpatialGrid, ReportsProgressAndFiltersFaces) {
    struct Recorder : ProgressListener {
        std::vector<int> percents;
        void progress(const std::wstring& text, const std::wstring&, int percent) override {
            EXPECT_EQ(text, L"Analyzing 3D Models");
            percents.push_back(percent);
        }
    } recorder;
    struct RejectAll : FaceFilter {
        bool accept(const Face3D&) override { return false; }
    } rejectAll;
    Model3D model;
    groundModel(model);
    auto grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, 2, 2, 2, &recorder, &rejectAll);
    EXPECT_EQ(recorder.percents, (std::vector<int>{0, 25, 50, 50, 75, 100}));
    EXPECT_EQ(grid->cellCount(), 0);
}

} // namespace
} // namespace velmora
