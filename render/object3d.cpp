#include "render/object3d.h"

#include "render/bounding_box.h"
#include "render/texture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace velmora {

Mesh3D::Mesh3D(const Mesh3D& other)
    : name(other.name), vertices(other.vertices), faces(other.faces), material(other.material),
      materialName(other.materialName), boundsMin(other.boundsMin), boundsMax(other.boundsMax),
      centre(other.centre), radius(other.radius), visible(other.visible), prepared(other.prepared),
      environmentEnabled(other.environmentEnabled), noClip(other.noClip), depthBias(other.depthBias),
      levelOfDetail(other.levelOfDetail), levelStep(other.levelStep), subdivision(other.subdivision) {
    for (Face3D& face : faces)
        face.mesh = this;
}

Object3D::Object3D()
    : meshes(std::make_shared<MeshList>()), materials(std::make_shared<MaterialList>()) {}

Object3D::~Object3D() = default;

Mesh3D* Object3D::addMesh(std::unique_ptr<Mesh3D> mesh) {
    meshes->push_back(std::move(mesh));
    return meshes->back().get();
}

Material3D* Object3D::addMaterial(std::unique_ptr<Material3D> material) {
    materials->push_back(std::move(material));
    return materials->back().get();
}

Mesh3D* Object3D::findMesh(std::wstring_view meshName) const {
    for (const auto& mesh : *meshes) {
        if (mesh->name == meshName)
            return mesh.get();
    }
    return nullptr;
}

Material3D* Object3D::findMaterial(std::wstring_view materialName) const {
    for (const auto& material : *materials) {
        if (material->name == materialName)
            return material.get();
    }
    if (levels) {
        for (const auto& model : levels->models) {
            if (Material3D* found = model->findMaterial(materialName))
                return found;
        }
    }
    return nullptr;
}

void Object3D::setDetailLevel(ShadingMode level) {
    detailLevel = level;
    for (const auto& material : *materials)
        material->detailLevel = level;
    if (levels) {
        for (const auto& model : levels->models)
            model->setDetailLevel(level);
    }
}

void Object3D::setEnvironmentEnabled(bool enabled) {
    environmentEnabled = enabled;
    for (const auto& mesh : *meshes)
        mesh->environmentEnabled = enabled;
}

void Object3D::setTwoSided(bool twoSided) {
    for (const auto& material : *materials)
        material->twoSided = twoSided;
}

void Object3D::setLevels(std::vector<std::unique_ptr<Object3D>> levelModels, float segment) {
    if (levelModels.empty() || !(segment > 0.0f))
        return;
    auto newLevels = std::make_shared<LevelsOfDetail>();
    newLevels->models = std::move(levelModels);
    newLevels->segment = segment;
    levels = std::move(newLevels);
}

int Object3D::levelAt(float viewDepth) const {
    if (!levels || levels->models.empty())
        return -1;
    const float segments = std::fabs(viewDepth / levels->segment);
    const int index = segments < 1e9f ? static_cast<int>(segments) - 1 : std::numeric_limits<int>::max();
    if (index < 0)
        return -1;
    return std::min(index, static_cast<int>(levels->models.size()) - 1);
}

const MeshList& Object3D::meshesForLevel(int level) const {
    if (level < 0 || !levels || level >= static_cast<int>(levels->models.size()))
        return *meshes;
    return *levels->models[level]->meshes;
}

BoundingBox boxOfMeshes(const Object3D& node, const std::wstring* wantedObjects, const std::wstring* unwantedObjects) {
    BoundingBox box;
    for (const auto& mesh : *node.meshes) {
        if (!isSelected(mesh->name, wantedObjects, unwantedObjects))
            continue;
        for (const Vertex3D& vertex : mesh->vertices)
            box.add(vertex.position());
    }
    return box;
}

bool Object3D::boundingBox(Vector3& min, Vector3& max) const {
    const BoundingBox box = boxOfMeshes(*this);
    min = box.min;
    max = box.max;
    return !box.empty;
}

Vector3 Object3D::centre() const { return boxOfMeshes(*this).centre(); }

std::unique_ptr<Object3D> Object3D::copy(int flags) const {
    auto target = std::make_unique<Object3D>();
    copyInto(*target, flags);
    return target;
}

void Object3D::copyInto(Object3D& target, int flags) const {
    target.name = name;
    target.visible = visible;
    target.transform = transform;
    target.billboard = billboard;
    target.cullingPolicy = cullingPolicy;
    target.nearClip = nearClip;
    target.farClip = farClip;
    target.radius = radius;
    target.dimensions = dimensions;
    target.detailLevel = detailLevel;
    target.environmentEnabled = environmentEnabled;
    target.ownedTextures = ownedTextures;

    std::unordered_map<const Material3D*, Material3D*> duplicates;
    if (flags & CopyMaterials) {
        target.materials = std::make_shared<MaterialList>();
        for (const auto& material : *materials) {
            target.materials->push_back(std::make_unique<Material3D>(*material));
            duplicates[material.get()] = target.materials->back().get();
        }
    } else {
        target.materials = materials;
    }
    if (flags & CopyMeshes) {
        target.meshes = std::make_shared<MeshList>();
        for (const auto& mesh : *meshes) {
            auto duplicate = std::make_unique<Mesh3D>(*mesh);
            if (auto found = duplicates.find(mesh->material); found != duplicates.end())
                duplicate->material = found->second;
            target.meshes->push_back(std::move(duplicate));
        }
    } else {
        target.meshes = meshes;
    }
    if ((flags & CopyLevels) && levels) {
        auto newLevels = std::make_shared<LevelsOfDetail>();
        newLevels->segment = levels->segment;
        for (const auto& model : levels->models)
            newLevels->models.push_back(model->copy(CopyMeshes | CopyMaterials | CopyLevels));
        target.levels = std::move(newLevels);
    } else {
        target.levels = levels;
    }
}

bool isSelected(std::wstring_view meshName, const std::wstring* wantedObjects, const std::wstring* unwantedObjects) {
    if (wantedObjects && wantedObjects->find(meshName) == std::wstring::npos)
        return false;
    if (unwantedObjects && unwantedObjects->find(meshName) != std::wstring::npos)
        return false;
    return true;
}

} // namespace velmora
