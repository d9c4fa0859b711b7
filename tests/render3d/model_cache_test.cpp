#include "render/image_cache.h"
#include "render/model_cache.h"
#include "render/scene3d_nodes.h"
#include "tests/support/temp_folder.h"

#include <lib3ds/file.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Writes a two-triangle model "block.3ds" spanning 4 x 2 x 1 units, with one material.
class ModelFolder : public ::testing::Test {
protected:
    void SetUp() override {
        Lib3dsFile* file = lib3ds_file_new();
        Lib3dsMaterial* material = lib3ds_material_new();
        std::strcpy(material->name, "STONE");
        lib3ds_file_insert_material(file, material);
        Lib3dsMesh* mesh = lib3ds_mesh_new("BLOCK");
        lib3ds_mesh_new_point_list(mesh, 4);
        const float points[4][3] = {{0, 0, 0}, {4, 0, 0}, {4, 2, 0}, {0, 2, 1}};
        for (int i = 0; i < 4; ++i)
            std::memcpy(mesh->pointL[i].pos, points[i], sizeof points[i]);
        lib3ds_mesh_new_face_list(mesh, 2);
        const Lib3dsWord faces[2][3] = {{0, 1, 2}, {0, 2, 3}};
        for (int i = 0; i < 2; ++i) {
            std::memcpy(mesh->faceL[i].points, faces[i], sizeof faces[i]);
            std::strcpy(mesh->faceL[i].material, "STONE");
        }
        lib3ds_file_insert_mesh(file, mesh);
        ASSERT_TRUE(lib3ds_file_save(file, (folder_ / "block.3ds").c_str()));
        lib3ds_file_free(file);
    }
    NodeSources sources() { return {&models_, &images_, folder_.wstring()}; }

    test::TempFolder temp_; // one folder a test: the tests run in parallel
    fs::path folder_ = temp_.os();
    ModelCache models_;
    ImageCache images_;
};

TEST_F(ModelFolder, TheCacheHandsOutCopiesNormalisedToEachRadius) {
    ModelRequest request;
    request.folder = folder_.wstring();
    request.fileName = L"block.3ds";
    request.radius = 2.0f;
    auto first = models_.get(request);
    ASSERT_TRUE(first);
    EXPECT_EQ(models_.misses(), 1);
    // The largest extent, 4 along x, becomes 2 x radius.
    EXPECT_FLOAT_EQ(first->dimensions.x, 4.0f);
    const Fixed11 firstX = first->meshes->front()->vertices[0].x;
    first->meshes->front()->vertices[0].x = 12345; // what the page does to its copy stays there

    auto same = models_.get(request);
    EXPECT_EQ(models_.hits(), 1);
    EXPECT_EQ(same->meshes->front()->vertices[0].x, firstX);
    EXPECT_NE(same->meshes, first->meshes);
    EXPECT_EQ(same->meshes->front()->material, same->findMaterial(L"STONE"));

    request.radius = 4.0f;
    auto larger = models_.get(request);
    EXPECT_FLOAT_EQ(larger->dimensions.x, 8.0f);
    EXPECT_EQ(larger->meshes->front()->vertices[0].x, 2 * firstX);
    request.radius = 2.0f;
    EXPECT_EQ(models_.get(request)->meshes->front()->vertices[0].x, firstX); // the cached model is unchanged

    request.fileName = L"missing.3ds";
    EXPECT_EQ(models_.get(request), nullptr);
    request.fileName.clear();
    EXPECT_EQ(models_.get(request), nullptr);
}

TEST_F(ModelFolder, TemplateNodesAreBuiltFromTheirValues) {
    auto scene = buildScene3D({0, 0, 4, 300, 0x202020, 0.5f, 500.0f, nullptr});
    EXPECT_EQ(scene->width, 8); // at least 8 pixels
    EXPECT_EQ(scene->view.camera.viewport().height, 300);
    EXPECT_FLOAT_EQ(scene->view.settings.backClip, 500.0f);

    Group3DValues values;
    values.model = L"block.3ds";
    values.radius = 3.0f;
    auto group = buildGroup3D(sources(), values);
    ASSERT_TRUE(group);
    applyNodeSettings(*group, {true, ShadingMode::LitBlended, false, BillboardVertical, 0});
    EXPECT_EQ(group->materials->front()->detailLevel, ShadingMode::LitBlended);
    EXPECT_FALSE(group->meshes->front()->environmentEnabled);
    EXPECT_EQ(group->billboard, BillboardVertical);
    const auto copies = copiesOf(*group, 3);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_NE(copies[0]->materials, group->materials);

    EXPECT_TRUE(attachLevels(*group, sources(), L" ( block.3ds ; block.3ds ) ", 2, 50.0f, values));
    EXPECT_EQ(group->levels->models.size(), 2u);
    EXPECT_FALSE(attachLevels(*group, sources(), L"(nothing.3ds)", 1, 50.0f, values));

    auto chip = buildChip3D(sources(), {1.0f, 2.0f, 1.0f, 1, L"", L"", false});
    EXPECT_EQ(chip->findMesh(L"chip")->vertices.size(), 4u);

    const Light3D light = templateLight(L"lightSun", std::wstring(L"(0; -2; 0)"), 0xFFEEDD);
    EXPECT_EQ(light.direction, (Vector3{0, -1, 0}));
    EXPECT_EQ(light.specular, 0xFFEEDDu);
    EXPECT_EQ(light.specularStrength, 320);
    EXPECT_EQ(templateLight(L"l", std::nullopt, 0).direction, (Vector3{0, -1, 0}));
}

TEST(ModelLoader, PathsAndTextureFolders) {
    EXPECT_EQ(modelPath(L"..\\resources\\scenes", L"course1\\..\\golfball\\ball.3ds"),
              L"..\\resources\\scenes\\golfball\\ball.3ds");
    ModelRequest request;
    request.folder = L"\\game\\scenes\\";
    request.fileName = L"\\course1\\hole1.3ds";
    EXPECT_EQ(textureFolderOf(request), L"\\game\\scenes\\course1\\");
    request.fileName = L"hole1.3ds";
    EXPECT_EQ(textureFolderOf(request), L"\\game\\scenes\\");
    const std::wstring given = L"\\textures\\";
    request.textureFolder = &given;
    EXPECT_EQ(textureFolderOf(request), given);
}

} // namespace
} // namespace velmora
