#pragma once
// A small install tree for game tests: the repository's templates with the built pictures, sounds
// and shadow picture, and one hand-made course "meadow" whose holes are written with lib3ds (an
// independent 3DS writer) and whose pictures with giflib.
//
// Hole 1 of meadow, in the game's frame (x = -file X, z = -file Y, y up), all flat: rough within
// 340 of the middle at height 0, the woods ring (radius 300, 32 sides, running clockwise seen from
// above), the tee at (0, 200) on a 10 x 10 teeing ground, a fairway from z = 180 to z = -150 and
// |x| <= 30, the green (30 x 30) around the cup at (0, -200), a bunker at x -70 ... -40,
// z -130 ... -100, water at x 60 ... 100, |z| <= 50 under its bank 6 wider around it, and the
// outer land to 400. Surfaces lie a little above the rough (green and tee 0.1, the others 0.05).

#include "media/resource_archive.h"
#include "media/resource_file.h"
#include "tests/media/gif_writer.h"
#include "tests/support/temp_folder.h"

#include <lib3ds/file.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {

namespace fs = std::filesystem;

inline constexpr char testCourse[] = "meadow";

struct TestMesh {
    std::string name;
    std::vector<std::array<float, 3>> points; // file coordinates
    std::vector<std::array<int, 3>> faces;
};

// Quads of the ground as two triangles, counter-clockwise seen from above (file Z up).
inline void addGroundQuad(TestMesh& mesh, float x0, float y0, float x1, float y1, float z) {
    const int base = static_cast<int>(mesh.points.size());
    mesh.points.insert(mesh.points.end(), {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}});
    mesh.faces.push_back({base, base + 1, base + 2});
    mesh.faces.push_back({base, base + 2, base + 3});
}

// A rectangle in the game's frame (x and z ranges) at a height.
inline TestMesh groundPatch(const std::string& name, float gx0, float gz0, float gx1, float gz1,
                            float height) {
    TestMesh mesh{name, {}, {}};
    addGroundQuad(mesh, -gx1, -gz1, -gx0, -gz0, height);
    return mesh;
}

// A square fan around a middle vertex (the cup), in the game's frame.
inline TestMesh greenAround(float gx, float gz, float half, float height) {
    TestMesh mesh{"green", {{-gx, -gz, height}}, {}};
    const float x = -gx, y = -gz;
    mesh.points.insert(mesh.points.end(), {{x - half, y - half, height},
                                           {x + half, y - half, height},
                                           {x + half, y + half, height},
                                           {x - half, y + half, height}});
    for (int i = 0; i < 4; ++i)
        mesh.faces.push_back({0, 1 + i, 1 + (i + 1) % 4});
    return mesh;
}

// The woods strip: n bottom points clockwise seen from above (the first repeated last), then the
// points 10 above them.
inline TestMesh woodsRing(float radius, int sides) {
    TestMesh mesh{"woods", {}, {}};
    const int n = sides + 1;
    for (int level = 0; level < 2; ++level) {
        for (int i = 0; i < n; ++i) {
            const double angle = 2.0 * M_PI * (i % sides) / sides;
            mesh.points.push_back({static_cast<float>(radius * std::sin(angle)),
                                   static_cast<float>(radius * std::cos(angle)), level * 10.0f});
        }
    }
    for (int i = 0; i + 1 < n; ++i) {
        mesh.faces.push_back({i, i + 1, i + 1 + n});
        mesh.faces.push_back({i, i + 1 + n, i + n});
    }
    return mesh;
}

// Writes the meshes, each with a material of its own named after it.
inline void write3ds(const fs::path& path, const std::vector<TestMesh>& meshes) {
    Lib3dsFile* file = lib3ds_file_new();
    for (const TestMesh& source : meshes) {
        Lib3dsMaterial* material = lib3ds_material_new();
        std::snprintf(material->name, sizeof material->name, "M_%s", source.name.c_str());
        material->diffuse[0] = material->diffuse[1] = material->diffuse[2] = 0.6f;
        lib3ds_file_insert_material(file, material);
        Lib3dsMesh* mesh = lib3ds_mesh_new(source.name.c_str());
        lib3ds_mesh_new_point_list(mesh, static_cast<Lib3dsDword>(source.points.size()));
        for (size_t i = 0; i < source.points.size(); ++i)
            std::memcpy(mesh->pointL[i].pos, source.points[i].data(), sizeof(float) * 3);
        lib3ds_mesh_new_face_list(mesh, static_cast<Lib3dsDword>(source.faces.size()));
        for (size_t i = 0; i < source.faces.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                mesh->faceL[i].points[k] = static_cast<Lib3dsWord>(source.faces[i][k]);
            std::memcpy(mesh->faceL[i].material, material->name, sizeof material->name);
        }
        lib3ds_file_insert_mesh(file, mesh);
    }
    const bool saved = lib3ds_file_save(file, path.c_str());
    lib3ds_file_free(file);
    EXPECT_TRUE(saved) << path;
}

struct HoleShape {
    bool water = true;
    bool waterbank = true;
    bool waterByTheTrees = false; // the pond at x 240 ... 290, |z| <= 20 instead: no dry ground behind it
    bool roughGap = false;        // no ground at all at x 150 ... 160
};

inline std::vector<TestMesh> holeMeshes(const HoleShape& shape) {
    TestMesh rough = groundPatch("rough", -340, -340, shape.roughGap ? 150 : 340, 340, 0.0f);
    if (shape.roughGap)
        addGroundQuad(rough, -340, -340, -160, 340, 0.0f); // file X runs against the game's x
    std::vector<TestMesh> meshes = {groundPatch("outer", -400, -400, 400, 400, 0.0f),
                                    rough,
                                    groundPatch("tground", -5, 195, 5, 205, 0.1f),
                                    groundPatch("fairway", -30, -150, 30, 180, 0.05f),
                                    greenAround(0, -200, 15, 0.1f),
                                    groundPatch("bunker", -70, -130, -40, -100, 0.05f),
                                    woodsRing(300, 32)};
    const float x0 = shape.waterByTheTrees ? 240.0f : 60.0f, x1 = shape.waterByTheTrees ? 290.0f : 100.0f;
    const float z1 = shape.waterByTheTrees ? 20.0f : 50.0f;
    if (shape.water)
        meshes.push_back(groundPatch("water", x0, -z1, x1, z1, 0.06f));
    if (shape.waterbank)
        meshes.push_back(groundPatch("waterbank", x0 - 6, -z1 - 6, x1 + 6, z1 + 6, 0.05f));
    return meshes;
}

// A box from (x0, y0, z0) to (x1, y1, z1) in file coordinates, faces outward.
inline TestMesh box(const std::string& name, std::array<float, 3> a, std::array<float, 3> b) {
    TestMesh mesh{name, {}, {}};
    for (int i = 0; i < 8; ++i)
        mesh.points.push_back({(i & 1) ? b[0] : a[0], (i & 2) ? b[1] : a[1], (i & 4) ? b[2] : a[2]});
    const int quads[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                             {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    for (const auto& q : quads) {
        mesh.faces.push_back({q[0], q[1], q[2]});
        mesh.faces.push_back({q[0], q[2], q[3]});
    }
    return mesh;
}

// An octahedron of radius 1 around the origin.
inline TestMesh octahedron(const std::string& name) {
    TestMesh mesh{name, {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}, {}};
    const int faces[8][3] = {{0, 2, 4}, {2, 1, 4}, {1, 3, 4}, {3, 0, 4},
                             {2, 0, 5}, {1, 2, 5}, {3, 1, 5}, {0, 3, 5}};
    for (const auto& f : faces)
        mesh.faces.push_back({f[0], f[1], f[2]});
    return mesh;
}

// A picture of one colour whose top row is keyed, in two frames when animated.
inline std::string keyedGif(int width, int height, uint32_t colour, bool animated = false) {
    std::vector<uint8_t> indices(static_cast<size_t>(width * height), 1);
    for (int x = 0; x < width; ++x)
        indices[static_cast<size_t>(x)] = 0;
    const std::vector<uint32_t> colours = {0xFF00FF, colour};
    const std::vector<uint8_t> bytes =
        animated
            ? writeGif(width, height, colours, 0,
                       {{0, 0, width, height, indices, false, {}, true, 1, 4, 0},
                        {0, 0, width, height, indices, false, {}, true, 1, 4, 0}})
            : writeGif(width, height, colours, 0, {{0, 0, width, height, indices, false, {}, true, 1, 4, 0}});
    return std::string(bytes.begin(), bytes.end());
}

inline std::string resourceBytes(const std::wstring& path) {
    const auto bytes = readResourceFile(path);
    EXPECT_TRUE(bytes) << "missing resource";
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

inline const char* testCourseTemplate =
    "pars=4,3,5,4,4,3,4,5,4\n"
    "treesName=tree.gif, bush.gif\n"
    "scene.bkgColor=(60;110;60)\n"
    "scene.envSound=type:WaveSound, src:..\\..\\sounds\\ambience.wav\n"
    "directionalLight=type:Light, container:mainScene, dir:(0.4;-1;0.3), color:(255;255;255)\n"
    "grpBall=type:Group3D, container:mainScene, model:ball.3ds, radius:0.25, "
    "wantedObjectsWhenNormalize:ball\n"
    "grpFlag=type:Group3D, container:mainScene, model:flag.3ds, radius:3, detailLevel:1\n"
    "grpCup=type:Chip3D, container:mainScene, texture:cup.gif, orientation:1, radius:0.5, detailLevel:1\n"
    "grpTee=type:Chip3D, container:mainScene, texture:tee.gif, width:1, height:2, radius:0.075, "
    "detailLevel:1\n"
    "grpVane=type:Group3D, container:mainScene, model:vane.3ds, radius:0.3, detailLevel:1\n"
    "grpGolfer=type:Chip3D, container:mainScene, texture:golfer.gif, width:1, height:2, radius:0.95, "
    "detailLevel:1\n"
    "grpSandSplash=type:Chip3D, container:mainScene, texture:SandSplash.gif, radius:1.5, detailLevel:1, "
    "billboard:2, visible:0\n";

// The whole tree below root: bin/ (the program folder), resources/ and the course. The course's
// JPEG pictures are borrowed from the build's GUI archive (the temporary folder must be set).
inline void writeTestInstall(const TempFolder& root, const HoleShape& shape = {}) {
    const fs::path built = fs::path(VELMORA_BINARY_DIR) / "resources";
    const std::wstring gui = fromOsPath((built / "GUI").string()) + L"\\";
    registerArchive(L"GUI.zip", gui);
    const std::string loadingPicture = resourceBytes(gui + L"slideBlank.jpg");
    const std::string sky = resourceBytes(gui + L"dropInHole.jpg");
    unregisterArchive(L"GUI.zip");
    fs::create_directories(root.os("bin"));
    fs::create_directories(root.os("resources/sounds"));
    fs::copy(fs::path(VELMORA_SOURCE_DIR) / "resources" / "GUI", root.os("resources/GUI"));
    fs::copy_file(built / "GUI" / "GUI.zip", root.os("resources/GUI/GUI.zip"));
    fs::copy_file(built / "sounds" / "sounds.zip", root.os("resources/sounds/sounds.zip"));
    fs::create_directories(root.os("resources/scenes"));
    fs::copy_file(built / "scenes" / "scenes.zip", root.os("resources/scenes/scenes.zip"));
    const std::string course = std::string("resources/scenes/") + testCourse;
    writeFile(root.os(course + ".jpg"), loadingPicture);
    writeFile(root.os(course + "/Skydome.jpg"), sky);
    writeFile(root.os(course + "/courseGrps.properties"), testCourseTemplate);
    write3ds(root.os(course + "/hole1.3ds"), holeMeshes(shape));
    write3ds(root.os(course + "/ball.3ds"),
             {octahedron("ball"), box("arrow", {-0.3f, -4.0f, -1.0f}, {0.3f, -1.0f, -0.9f})});
    write3ds(root.os(course + "/flag.3ds"), {box("flagpole", {-0.1f, -0.1f, 0.0f}, {0.1f, 0.1f, 8.0f}),
                                             box("flag", {0.1f, -0.02f, 6.0f}, {3.0f, 0.02f, 8.0f})});
    write3ds(root.os(course + "/vane.3ds"), {box("arrow", {-0.2f, -1.0f, -0.1f}, {0.2f, 1.0f, 0.1f})});
    writeFile(root.os(course + "/landscape.gif"), keyedGif(320, 40, 0x3C7846));
    writeFile(root.os(course + "/woods.gif"), keyedGif(64, 32, 0x1E5028));
    writeFile(root.os(course + "/tree.gif"), keyedGif(32, 64, 0x286432));
    writeFile(root.os(course + "/bush.gif"), keyedGif(64, 32, 0x3C8C3C));
    writeFile(root.os(course + "/cup.gif"), keyedGif(16, 16, 0x101010));
    writeFile(root.os(course + "/tee.gif"), keyedGif(8, 16, 0xFFFFFF));
    writeFile(root.os(course + "/golfer.gif"), keyedGif(32, 64, 0xC83232));
    writeFile(root.os(course + "/SandSplash.gif"), keyedGif(32, 32, 0xE6D296, true));
}

} // namespace velmora::test
