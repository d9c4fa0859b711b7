#include "base/wide_string.h"
#include "render/model_3ds_reader.h"
#include "render/model_normalise.h"
#include "tests/support/temp_folder.h"

#include <lib3ds/file.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Lib3dsDeleter {
    void operator()(Lib3dsFile* file) const { lib3ds_file_free(file); }
};
using Lib3dsPtr = std::unique_ptr<Lib3dsFile, Lib3dsDeleter>;

std::wstring wide(const char* text) {
    std::wstring result;
    for (const char* p = text; *p; ++p)
        result.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    return result;
}

// Our reading of a file against lib3ds's: meshes, vertices (in our frame), faces, mapping, materials.
void compareWithLib3ds(const fs::path& path) {
    SCOPED_TRACE(path.string());
    Lib3dsPtr reference(lib3ds_file_load(path.c_str()));
    ASSERT_TRUE(reference);
    const std::vector<uint8_t> bytes = readBytes(path);
    Model3D model;
    ASSERT_NE(read3ds(bytes, model, nullptr), Read3dsResult::NotA3dsFile);

    size_t referenceMeshes = 0;
    for (Lib3dsMesh* expected = reference->meshes; expected; expected = expected->next, ++referenceMeshes) {
        SCOPED_TRACE(expected->name);
        const Mesh3D* mesh = model.findMesh(wide(expected->name));
        ASSERT_TRUE(mesh);
        ASSERT_EQ(mesh->vertices.size(), expected->points);
        ASSERT_EQ(mesh->faces.size(), expected->faces);
        for (size_t i = 0; i < expected->points; ++i) {
            const float* p = expected->pointL[i].pos;
            const Vertex3D& v = mesh->vertices[i];
            ASSERT_EQ(v.x, toFixed11(-p[0]));
            ASSERT_EQ(v.y, toFixed11(p[2]));
            ASSERT_EQ(v.z, toFixed11(-p[1]));
            if (i < expected->texels) {
                ASSERT_EQ(v.u, toFixed16(expected->texelL[i][0]));
                ASSERT_EQ(v.v, toFixed16(1.0f - expected->texelL[i][1]));
            }
        }
        std::set<std::wstring> faceMaterials;
        for (size_t i = 0; i < expected->faces; ++i) {
            const Lib3dsFace& face = expected->faceL[i];
            ASSERT_EQ(mesh->faces[i].a, face.points[0]);
            ASSERT_EQ(mesh->faces[i].b, face.points[1]);
            ASSERT_EQ(mesh->faces[i].c, face.points[2]);
            if (face.material[0])
                faceMaterials.insert(wide(face.material));
        }
        if (faceMaterials.empty())
            EXPECT_EQ(mesh->material, nullptr);
        else
            EXPECT_TRUE(faceMaterials.contains(mesh->materialName)) << toUtf8(mesh->materialName);
    }
    EXPECT_EQ(model.meshes->size(), referenceMeshes);

    size_t referenceMaterials = 0;
    for (Lib3dsMaterial* expected = reference->materials; expected;
         expected = expected->next, ++referenceMaterials) {
        SCOPED_TRACE(expected->name);
        const Material3D* material = model.findMaterial(wide(expected->name));
        ASSERT_TRUE(material);
        for (int channel = 0; channel < 3; ++channel) {
            const int ours = static_cast<int>((material->diffuse >> (16 - 8 * channel)) & 255);
            EXPECT_NEAR(ours, expected->diffuse[channel] * 255.0f, 1.0f);
        }
        EXPECT_NEAR(material->transparency, expected->transparency * 255.0f, 1.0f);
        EXPECT_EQ(material->twoSided, expected->two_sided != 0);
        EXPECT_EQ(material->textureName, wide(expected->texture1_map.name));
        EXPECT_EQ(material->alphaTextureName, wide(expected->opacity_map.name));
        EXPECT_EQ(material->reflectionTextureName, wide(expected->reflection_map.name));
    }
    EXPECT_EQ(model.materials->size(), referenceMaterials);
}

TEST(Model3ds, ReadsWhatIndependentWritersWroteLikeLib3ds) {
    const fs::path folder = fs::path(VELMORA_TESTDATA_DIR) / "3ds" / "models";
    if (!fs::exists(folder))
        GTEST_SKIP() << "no public test models";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension != ".3ds" || fs::file_size(entry.path()) == 0)
            continue;
        compareWithLib3ds(entry.path());
        ++files;
    }
    EXPECT_GE(files, 8);
}

TEST(Model3ds, ReadsTheBenchmarkCourse) {
    const fs::path course = fs::path(VELMORA_TESTDATA_DIR) / ".." / "bench" / "peer" / "data" / "course.3ds";
    if (!fs::exists(course))
        GTEST_SKIP() << "no benchmark workload";
    compareWithLib3ds(course);
    Model3D model;
    ASSERT_EQ(read3ds(readBytes(course), model, nullptr), Read3dsResult::Ok);
    const std::pair<const wchar_t*, size_t> expected[] = {
        {L"FAIRWAY", 1383}, {L"GREEN", 95},    {L"BUNKER1", 30}, {L"BUNKER2", 18},
        {L"POND", 136},     {L"ROUGH", 23426}, {L"WOODS", 512}};
    for (const auto& [name, faces] : expected) {
        const Mesh3D* mesh = model.findMesh(name);
        ASSERT_TRUE(mesh) << toUtf8(name);
        EXPECT_EQ(mesh->faces.size(), faces);
    }
    EXPECT_TRUE(model.findMaterial(L"M_FAIRWAY")->twoSided);
    EXPECT_FALSE(model.findMaterial(L"M_WOODS")->twoSided);
    EXPECT_EQ(model.findMaterial(L"M_WOODS")->textureName, L"WOODS.BMP");
}

TEST(Model3ds, EmptyAndForeignFilesAreRefused) {
    Model3D model;
    EXPECT_EQ(read3ds({}, model, nullptr), Read3dsResult::NotA3dsFile);
    const uint8_t bmp[] = {'B', 'M', 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(read3ds(bmp, model, nullptr), Read3dsResult::NotA3dsFile);
    EXPECT_TRUE(model.meshes->empty());
}

// A small file written by lib3ds: one mesh of four points whose two faces name two materials.
class Lib3dsWritten : public ::testing::Test {
protected:
    void SetUp() override {
        Lib3dsFile* file = lib3ds_file_new();
        const char* names[] = {"RED", "BLUE"};
        for (int i = 0; i < 2; ++i) {
            Lib3dsMaterial* material = lib3ds_material_new();
            std::strcpy(material->name, names[i]);
            material->diffuse[0] = i == 0 ? 1.0f : 0.0f;
            material->diffuse[1] = 0.0f;
            material->diffuse[2] = i == 1 ? 1.0f : 0.0f;
            material->transparency = i == 1 ? 0.5f : 0.0f;
            material->two_sided = i == 0;
            std::strcpy(material->texture1_map.name, i == 0 ? "RED.BMP" : "BLUE.GIF");
            material->texture1_map.percent = 1.0f;
            lib3ds_file_insert_material(file, material);
        }
        Lib3dsMesh* mesh = lib3ds_mesh_new("PLATE");
        lib3ds_mesh_new_point_list(mesh, 4);
        lib3ds_mesh_new_texel_list(mesh, 4);
        const float points[4][3] = {{1, 2, 3}, {5, 2, 3}, {5, 6, 3}, {1, 6, 7}};
        for (int i = 0; i < 4; ++i) {
            std::memcpy(mesh->pointL[i].pos, points[i], sizeof points[i]);
            mesh->texelL[i][0] = 0.5f * static_cast<float>(i);
            mesh->texelL[i][1] = 0.25f;
        }
        lib3ds_mesh_new_face_list(mesh, 2);
        const Lib3dsWord faces[2][3] = {{0, 1, 2}, {2, 3, 0}};
        for (int i = 0; i < 2; ++i) {
            std::memcpy(mesh->faceL[i].points, faces[i], sizeof faces[i]);
            std::strcpy(mesh->faceL[i].material, names[i]);
        }
        lib3ds_file_insert_mesh(file, mesh);
        ASSERT_TRUE(lib3ds_file_save(file, path_.c_str()));
        lib3ds_file_free(file);
    }
    test::TempFolder temp_; // one folder a test: the tests run in parallel
    fs::path path_ = temp_.os("two_materials.3ds");
};

TEST_F(Lib3dsWritten, CoordinatesMappingAndTheLastMaterialGroup) {
    compareWithLib3ds(path_);
    Model3D model;
    std::vector<std::wstring> requested;
    const TextureLoader loader = [&requested](const std::wstring& name) {
        requested.push_back(name);
        return nullptr;
    };
    ASSERT_EQ(read3ds(readBytes(path_), model, loader), Read3dsResult::Ok);
    std::sort(requested.begin(), requested.end());
    EXPECT_EQ(requested, (std::vector<std::wstring>{L"BLUE.GIF", L"RED.BMP"}));
    const Mesh3D* mesh = model.findMesh(L"PLATE");
    ASSERT_TRUE(mesh);
    // (1, 2, 3) in the file is (-1, 3, -2) here; v = 0.25 becomes 0.75.
    EXPECT_EQ(mesh->vertices[0].x, -2048);
    EXPECT_EQ(mesh->vertices[0].y, 3 * 2048);
    EXPECT_EQ(mesh->vertices[0].z, -2 * 2048);
    EXPECT_EQ(mesh->vertices[0].v, 49152);
    EXPECT_EQ(mesh->vertices[1].u, 32768);
    // The whole mesh takes the material of its last face-material group.
    ASSERT_TRUE(mesh->material);
    EXPECT_EQ(mesh->material->name, L"BLUE");
    EXPECT_EQ(mesh->material->diffuse, 0x0000FFu);
    EXPECT_EQ(mesh->material->transparency, 127);
    EXPECT_TRUE(model.findMaterial(L"RED")->twoSided);
    EXPECT_EQ(mesh->faces[1].mesh, mesh);
}

TEST_F(Lib3dsWritten, NormalisesToTheRadiusBySelection) {
    Model3D model;
    ASSERT_EQ(read3ds(readBytes(path_), model, nullptr), Read3dsResult::Ok);
    normalise(model, 2.0f);
    // Box x -5 ... -1, y 3 ... 7, z -6 ... -2: largest extent 4, scale 2 / 2 = 1, centre (-3, 5, -4).
    EXPECT_FLOAT_EQ(model.radius, 2.0f);
    EXPECT_FLOAT_EQ(model.dimensions.x, 4.0f);
    const Vertex3D& first = model.findMesh(L"PLATE")->vertices[0];
    EXPECT_EQ(first.x, 2 * 2048);
    EXPECT_EQ(first.y, -2 * 2048);
    EXPECT_EQ(first.z, 2 * 2048);

    // A selection naming no mesh keeps the model where it is.
    Model3D unmoved;
    ASSERT_EQ(read3ds(readBytes(path_), unmoved, nullptr), Read3dsResult::Ok);
    const std::wstring nothing = L"TREES";
    normalise(unmoved, 10.0f, &nothing);
    EXPECT_EQ(unmoved.findMesh(L"PLATE")->vertices[0].x, -2048);
    EXPECT_GT(unmoved.radius, 0.0f);
}

TEST(Normalise, AnAbsurdRadiusSaturatesTheCoordinates) {
    Model3D model;
    auto mesh = std::make_unique<Mesh3D>();
    mesh->vertices.resize(2);
    mesh->vertices[1].x = 2048; // one unit along x
    model.addMesh(std::move(mesh));
    normalise(model, 1e30f);
    EXPECT_EQ(model.meshes->front()->vertices[0].x, -2100000000);
    EXPECT_EQ(model.meshes->front()->vertices[1].x, 2100000000);
}

TEST(Normalise, SelectionIsASubstringTest) {
    EXPECT_TRUE(isSelected(L"GREEN", nullptr, nullptr));
    const std::wstring wanted = L"FAIRWAY,GREEN2";
    EXPECT_TRUE(isSelected(L"GREEN", &wanted, nullptr));    // part of a listed name
    EXPECT_FALSE(isSelected(L"GREEN22", &wanted, nullptr)); // only starts with one
    EXPECT_TRUE(isSelected(L"FAIRWAY", &wanted, nullptr));
    const std::wstring unwanted = L"TREES";
    EXPECT_FALSE(isSelected(L"TREE", &wanted, &unwanted));
    EXPECT_FALSE(isSelected(L"TREES", nullptr, &unwanted));
    EXPECT_TRUE(isSelected(L"ROUGH", nullptr, &unwanted));
}

// Chunk builders for hand-made damaged files.
void put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value));
    put16(out, static_cast<uint16_t>(value >> 16));
}
std::vector<uint8_t> chunk(uint16_t id, const std::vector<uint8_t>& body, int64_t lengthAdjust = 0) {
    std::vector<uint8_t> out;
    put16(out, id);
    put32(out, static_cast<uint32_t>(static_cast<int64_t>(body.size()) + 6 + lengthAdjust));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}
std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}
std::vector<uint8_t> vertexList(uint16_t declared, int present) {
    std::vector<uint8_t> body;
    put16(body, declared);
    for (int i = 0; i < present * 3; ++i)
        put32(body, 0x3F800000); // 1.0f
    return chunk(0x4110, body);
}
std::vector<uint8_t> faceList(std::initializer_list<uint16_t> indices) {
    std::vector<uint8_t> body;
    put16(body, static_cast<uint16_t>(indices.size() / 3));
    int n = 0;
    for (uint16_t index : indices) {
        put16(body, index);
        if (++n % 3 == 0)
            put16(body, 0);
    }
    return chunk(0x4120, body);
}
std::vector<uint8_t> objectWith(const std::vector<uint8_t>& meshBody, const char* name = "OBJ") {
    std::vector<uint8_t> body(name, name + std::strlen(name) + 1);
    const std::vector<uint8_t> mesh = chunk(0x4100, meshBody);
    body.insert(body.end(), mesh.begin(), mesh.end());
    return chunk(0x3D3D, chunk(0x4000, body));
}

TEST(Model3ds, DamagedFilesAreClippedNotOverrun) {
    { // A vertex count larger than the data, a face index beyond the vertices.
        Model3D model;
        const auto file =
            chunk(0x4D4D, objectWith(concat({vertexList(1000, 3), faceList({0, 1, 2, 0, 1, 3})})));
        EXPECT_EQ(read3ds(file, model, nullptr), Read3dsResult::Damaged);
        ASSERT_EQ(model.meshes->size(), 1u);
        EXPECT_EQ(model.meshes->front()->vertices.size(), 3u);
        EXPECT_EQ(model.meshes->front()->faces.size(), 1u);
    }
    { // A chunk claiming more than its parent holds, and a file cut short.
        Model3D model;
        auto file = chunk(0x4D4D, objectWith(concat({vertexList(3, 3), faceList({0, 1, 2})})), 40);
        EXPECT_EQ(read3ds(file, model, nullptr), Read3dsResult::Damaged);
        EXPECT_EQ(model.meshes->front()->faces.size(), 1u);
        file.resize(file.size() - 10);
        Model3D cut;
        EXPECT_EQ(read3ds(file, cut, nullptr), Read3dsResult::Damaged);
    }
    { // A name without its terminator, a chunk length below its header.
        Model3D model;
        const std::vector<uint8_t> unterminated = {'A', 'B', 'C'};
        const auto file =
            chunk(0x4D4D, concat({chunk(0x3D3D, chunk(0x4000, unterminated)), chunk(0x3D3D, {}, -4)}));
        EXPECT_EQ(read3ds(file, model, nullptr), Read3dsResult::Damaged);
    }
    { // More meshes and materials than any model holds: the first 4096 of each are kept.
        std::vector<uint8_t> blocks;
        for (int i = 0; i < 5000; ++i) {
            const auto material = chunk(0xAFFF, {});
            const auto object = chunk(0x4000, concat({{'M', 0}, chunk(0x4100, {})}));
            blocks.insert(blocks.end(), material.begin(), material.end());
            blocks.insert(blocks.end(), object.begin(), object.end());
        }
        Model3D model;
        EXPECT_EQ(read3ds(chunk(0x4D4D, chunk(0x3D3D, blocks)), model, nullptr), Read3dsResult::Damaged);
        EXPECT_EQ(model.meshes->size(), 4096u);
        EXPECT_EQ(model.materials->size(), 4096u);
    }
    { // Vertex and face lists of one mesh beyond what one 16-bit count can hold.
        std::vector<uint8_t> faces;
        put16(faces, 40000);
        faces.resize(2 + 40000 * 8, 0);
        Model3D model;
        const auto file = chunk(0x4D4D, objectWith(concat({vertexList(40000, 40000), vertexList(40000, 40000),
                                                           chunk(0x4120, faces), chunk(0x4120, faces)})));
        EXPECT_EQ(read3ds(file, model, nullptr), Read3dsResult::Damaged);
        EXPECT_EQ(model.meshes->front()->vertices.size(), 65535u);
        EXPECT_EQ(model.meshes->front()->faces.size(), 65535u);
    }
    { // Nesting far deeper than any real file: skipped, not recursed into.
        std::vector<uint8_t> nested = chunk(0x3D3D, {});
        for (int i = 0; i < 5000; ++i)
            nested = chunk(0x3D3D, nested);
        Model3D model;
        EXPECT_EQ(read3ds(chunk(0x4D4D, nested), model, nullptr), Read3dsResult::Ok);
    }
}

} // namespace
} // namespace velmora
