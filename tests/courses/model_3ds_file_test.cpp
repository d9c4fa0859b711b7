// Our 3DS writer read back by lib3ds (an independent reader) and by the game's own reader.
#include "model_3ds_file.h"

#include "render/model_3ds_reader.h"
#include "tests/support/temp_folder.h"

#include <lib3ds/file.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <gtest/gtest.h>

#include <cstring>

namespace velmora::test {
namespace {

using content::Model3ds;

Model3ds sampleModel() {
    Model3ds model;
    model.materials = {{"m_grass", 0x40A030, "grass.jpg", true}, {"m_sand", 0xE0D0A0, "", false, 30}};
    content::Object3ds grass;
    grass.name = "rough";
    grass.material = "m_grass";
    grass.vertices = {{0, 0, 0}, {10, 0, 1}, {10, 20, 2}, {0, 20, 3}};
    grass.mapping = {{0, 0}, {1, 0}, {1, 0.25f}, {0, 1}};
    grass.faces = {{0, 1, 2}, {0, 2, 3}};
    content::Object3ds sand = grass;
    sand.name = "bunker";
    sand.material = "m_sand";
    sand.faces = {{1, 2, 3}};
    model.objects = {grass, sand};
    return model;
}

TEST(Model3dsFile, Lib3dsReadsObjectsMaterialsAndMapsAsWritten) {
    TempFolder folder;
    const std::string path = folder.os("sample.3ds").string();
    ASSERT_TRUE(content::write3ds(path, sampleModel()));
    Lib3dsFile* file = lib3ds_file_load(path.c_str());
    ASSERT_NE(file, nullptr);
    const Lib3dsMaterial* grass = file->materials;
    ASSERT_NE(grass, nullptr);
    ASSERT_NE(grass->next, nullptr);
    EXPECT_STREQ(grass->name, "m_grass");
    EXPECT_TRUE(grass->two_sided);
    EXPECT_STREQ(grass->texture1_map.name, "grass.jpg");
    EXPECT_NEAR(grass->diffuse[1], 0xA0 / 255.0, 0.002);
    EXPECT_STREQ(grass->next->name, "m_sand");
    EXPECT_FALSE(grass->next->two_sided);
    EXPECT_NEAR(grass->next->transparency, 0.3, 0.002);

    const auto mesh = [&](const char* name) -> const Lib3dsMesh* {
        for (const Lib3dsMesh* m = file->meshes; m; m = m->next)
            if (std::strcmp(m->name, name) == 0)
                return m;
        return nullptr;
    };
    const Lib3dsMesh* rough = mesh("rough");
    const Lib3dsMesh* bunker = mesh("bunker");
    ASSERT_NE(rough, nullptr);
    ASSERT_NE(bunker, nullptr);
    ASSERT_EQ(rough->points, 4u);
    EXPECT_FLOAT_EQ(rough->pointL[2].pos[1], 20);
    EXPECT_FLOAT_EQ(rough->pointL[3].pos[2], 3);
    ASSERT_EQ(rough->texels, 4u);
    EXPECT_FLOAT_EQ(rough->texelL[2][1], 0.25f);
    ASSERT_EQ(rough->faces, 2u);
    EXPECT_EQ(rough->faceL[1].points[2], 3);
    EXPECT_STREQ(rough->faceL[1].material, "m_grass");
    EXPECT_EQ(bunker->faces, 1u);
    EXPECT_STREQ(bunker->faceL[0].material, "m_sand");
    lib3ds_file_free(file);
}

TEST(Model3dsFile, TheGamesReaderTurnsTheAxesAndFlipsTheMap) {
    const std::vector<uint8_t> bytes = content::encode3ds(sampleModel());
    Model3D model;
    std::vector<std::wstring> maps;
    ASSERT_EQ(read3ds(bytes, model,
                      [&](const std::wstring& name) -> Texture* {
                          maps.push_back(name);
                          return nullptr;
                      }),
              Read3dsResult::Ok);
    ASSERT_EQ(model.meshes->size(), 2u);
    const Mesh3D& rough = *model.meshes->front();
    EXPECT_EQ(rough.name, L"rough");
    EXPECT_EQ(rough.materialName, L"m_grass");
    // File (10, 20, 2) is the engine's (-10, 2, -20); the map's v = 0.25 is 0.75 from the top.
    EXPECT_EQ(rough.vertices[2].x, -10 * 2048);
    EXPECT_EQ(rough.vertices[2].y, 2 * 2048);
    EXPECT_EQ(rough.vertices[2].z, -20 * 2048);
    EXPECT_EQ(rough.vertices[2].v, 49152);
    EXPECT_EQ(model.meshes->back()->faces.size(), 1u);
    EXPECT_EQ(maps, std::vector<std::wstring>{L"grass.jpg"});
}

TEST(Model3dsFile, RefusesWhatTheGameCouldNotRead) {
    Model3ds longName = sampleModel();
    longName.objects[0].name = std::string(30, 'x'); // names hold at most 29 bytes
    EXPECT_TRUE(content::encode3ds(longName).empty());
    Model3ds badIndex = sampleModel();
    badIndex.objects[0].faces[0][1] = 4;
    EXPECT_TRUE(content::encode3ds(badIndex).empty());
    Model3ds unknownMaterial = sampleModel();
    unknownMaterial.objects[1].material = "m_water";
    EXPECT_TRUE(content::encode3ds(unknownMaterial).empty());
    Model3ds mappingMismatch = sampleModel();
    mappingMismatch.objects[0].mapping.pop_back();
    EXPECT_TRUE(content::encode3ds(mappingMismatch).empty());
}

} // namespace
} // namespace velmora::test
