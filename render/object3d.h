#pragma once
// The 3D node: a transform, named meshes and materials, and how the traversal treats it
// (billboards, culling, per-node clip distances, levels of detail). A model read from a file is an
// Object3D as well.

#include "render/material3d.h"
#include "render/matrix4.h"
#include "render/mesh3d.h"
#include "render/scene.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class Object3D;

using MeshList = std::vector<std::unique_ptr<Mesh3D>>;
using MaterialList = std::vector<std::unique_ptr<Material3D>>;

// Level models of an "LOD" node; level i is drawn from i + 1 segments away from the camera on.
struct LevelsOfDetail {
    std::vector<std::unique_ptr<Object3D>> models;
    float segment = 1.0f;
};

enum Billboard : int { BillboardNone = 0, BillboardVertical = 1, BillboardScreen = 2 };

// Bits of Object3D::copy: which lists the copy duplicates; it shares the others with the source.
enum CopyFlag : int { CopyMeshes = 1, CopyMaterials = 2, CopyLevels = 4 };

class Object3D : public Node {
public:
    Object3D();
    ~Object3D() override;
    Object3D(const Object3D&) = delete;
    Object3D& operator=(const Object3D&) = delete;

    bool visible = true;
    Matrix4 transform; // node -> world
    // Lists are shared between a node and the copies that did not duplicate them.
    std::shared_ptr<MeshList> meshes;
    std::shared_ptr<MaterialList> materials;
    std::shared_ptr<LevelsOfDetail> levels; // none unless an "LOD" node gave levels
    int billboard = BillboardNone;
    int cullingPolicy = 1; // 1: skipped when the bounding sphere is outside the view volume
    float nearClip = -1.0f; // <= 0: the scene's
    float farClip = -1.0f;
    float radius = 0.0f;
    Vector3 dimensions;
    ShadingMode detailLevel = ShadingMode::Lit;
    bool environmentEnabled = true;
    // Textures loaded without an image cache belong to the model and its copies.
    std::shared_ptr<std::vector<std::unique_ptr<Texture>>> ownedTextures;

    Mesh3D* addMesh(std::unique_ptr<Mesh3D> mesh);
    Material3D* addMaterial(std::unique_ptr<Material3D> material);
    Mesh3D* findMesh(std::wstring_view meshName) const;
    // Also finds the materials that levels of detail brought.
    Material3D* findMaterial(std::wstring_view materialName) const;

    // Writes the shading mode into every material, those of the levels included.
    void setDetailLevel(ShadingMode level);
    void setEnvironmentEnabled(bool enabled);
    void setTwoSided(bool twoSided);
    // Takes the level models; ignored (and the models dropped) unless there is at least one and
    // segment > 0.
    void setLevels(std::vector<std::unique_ptr<Object3D>> levelModels, float segment);
    // The level whose meshes the traversal draws at this view depth (world units); -1 for the
    // node's own meshes.
    int levelAt(float viewDepth) const;
    const MeshList& meshesForLevel(int level) const;

    // Bounding box of every vertex of every mesh, in node units; false when there is none.
    bool boundingBox(Vector3& min, Vector3& max) const;
    Vector3 centre() const;

    // A new node with the same transform, sizes and flags; flags (CopyFlag) choose the lists it
    // duplicates. Duplicated meshes point at duplicated materials when both are copied.
    virtual std::unique_ptr<Object3D> copy(int flags) const;

protected:
    void copyInto(Object3D& target, int flags) const;
};

using Model3D = Object3D;

// Whether a mesh takes part in normalisation or a grid: its name occurs inside wantedObjects (when
// given) and does not occur inside unwantedObjects (when given).
bool isSelected(std::wstring_view meshName, const std::wstring* wantedObjects, const std::wstring* unwantedObjects);

} // namespace velmora
