// The checks of a course's template and of the pictures every hole shares: pars, trees, sound,
// light, the seven object groups, the sky, the hills and the woods band.
#include "check_text.h"
#include "course_check.h"

#include "base/wide_string.h"
#include "gui/property_template.h"
#include "media/image_loader.h"
#include "media/resource_archive.h"
#include "platform/files.h"
#include "render/bounding_box.h"
#include "render/model_loader.h"
#include "render/texture.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace velmora::tool {
namespace {

constexpr uint32_t keyColour = 0xFF00FF; // the one transparent colour of every keyed picture

class TemplateCheck {
public:
    TemplateCheck(const std::wstring& folder, CourseReport& report, CourseSettings& settings)
        : folder_(folder), report_(report), settings_(settings) {}

    void run() {
        if (!template_.load(folder_, L"courseGrps.properties")) {
            breach("courseGrps.properties is missing");
            return;
        }
        checkPars();
        checkTrees();
        checkSettings();
        checkGroups();
        checkScenery();
    }

private:
    void breach(std::string text) { report_.breaches.push_back(std::move(text)); }

    // A missing sound is the course's fault only where the game's sounds are: a course made outside
    // a resources tree is told so instead.
    void soundMissing(const std::wstring& source) {
        std::wstring folder = path(source);
        folder.erase(folder.rfind(L'\\') + 1);
        collapseDotDot(folder);
        if (std::filesystem::is_directory(toOsPath(folder)))
            breach(format("the ambient sound '%s' is missing", narrow(source).c_str()));
        else
            report_.notes.push_back(
                format("the ambient sound '%s' was not checked: no sounds folder beside this "
                       "course's folder",
                       narrow(source).c_str()));
    }
    std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }

    // A GIF with all its frames, keyed in every frame; none after a breach. The name is taken in the
    // given folder (the course folder when none is given).
    std::unique_ptr<Texture> keyedPicture(const std::wstring& name, const char* role,
                                          const std::wstring* folder = nullptr) {
        std::wstring file = folder ? *folder + name : path(name);
        collapseDotDot(file);
        auto texture = Texture::load(file, PowerOfTwo::No);
        if (texture->surface().empty()) {
            breach(format("%s '%s' is missing or unreadable", role, narrow(name).c_str()));
            return nullptr;
        }
        for (const auto& frame : texture->frames) {
            if (!frame->hasTransparentColor || frame->transparentColor != keyColour) {
                breach(format("%s '%s' is not keyed with (255;0;255) in every frame", role,
                              narrow(name).c_str()));
                return nullptr;
            }
        }
        return texture;
    }

    void checkPars() {
        const std::optional<std::wstring> pars = template_.getString(L"pars");
        const std::vector<std::wstring> values = pars ? splitList(*pars) : std::vector<std::wstring>{};
        if (values.size() < 9) {
            breach("'pars' needs the pars of nine holes");
            return;
        }
        for (size_t i = 0; i < 9; ++i) {
            const int par = int(std::wcstol(values[i].c_str(), nullptr, 10));
            if (par < 3 || par > 5)
                breach(format("hole %zu has par '%s' (3, 4 or 5)", i + 1, narrow(values[i]).c_str()));
            settings_.pars[i] = par;
        }
    }

    void checkTrees() {
        const std::optional<std::wstring> names = template_.getString(L"treesName");
        if (!names) {
            breach("'treesName' is missing");
            return;
        }
        for (const std::wstring& name : splitList(*names))
            keyedPicture(name, "the tree picture");
    }

    void checkSettings() {
        if (template_.getColor(L"scene.bkgColor", L"", -1) < 0)
            breach("'scene.bkgColor' is not a colour (r;g;b)");
        const auto sound = template_.getValueList(L"scene.envSound");
        const std::wstring* source = sound ? sound->get(L"src") : nullptr;
        if (!sound || !sound->get(L"type") || *sound->get(L"type") != L"WaveSound" || !source)
            breach("'scene.envSound' is not a WaveSound with a src");
        else if (!resourceExists(path(*source)))
            soundMissing(*source);
        const auto light = template_.getValueList(L"directionalLight");
        if (!light || !light->get(L"type") || *light->get(L"type") != L"Light")
            breach("'directionalLight' is not a Light");
        else if (!light->get(L"dir") || !(parseVector3(*light->get(L"dir")).y < 0))
            breach("'directionalLight' must shine downward (dir with y below 0)");
        for (const wchar_t* reserved : {L"plant", L"grpCourse"})
            if (template_.get(reserved))
                breach(format("the template defines '%s', a name the game makes itself",
                              narrow(reserved).c_str()));
    }

    // The model of a group, loaded as the scene loader loads it; none after a breach. Its textures'
    // folder goes to textureFolder.
    std::unique_ptr<Model3D> groupModel(const wchar_t* key, std::wstring* textureFolder = nullptr) {
        const auto values = template_.getValueList(key);
        if (!values || !values->get(L"type") ||
            (*values->get(L"type") != L"Group3D" && *values->get(L"type") != L"Chip3D")) {
            breach(format("'%s' is missing (a Group3D or Chip3D)", narrow(key).c_str()));
            return nullptr;
        }
        if (!values->get(L"container") || *values->get(L"container") != L"mainScene")
            breach(format("'%s' is not in mainScene", narrow(key).c_str()));
        if (*values->get(L"type") == L"Chip3D")
            return nullptr;
        const std::wstring* model = values->get(L"model");
        ModelRequest request;
        request.folder = folder_;
        request.fileName = model ? *model : L"";
        request.radius = template_.getFloat(key, L"radius", 1.0f);
        const std::wstring* wanted = values->get(L"wantedObjectsWhenNormalize");
        const std::wstring* unwanted = values->get(L"unwantedObjectsWhenNormalize");
        request.wantedObjects = wanted;
        request.unwantedObjects = unwanted;
        auto loaded = model ? loadModel(request) : nullptr;
        if (textureFolder)
            *textureFolder = textureFolderOf(request);
        if (!loaded)
            breach(format("the model of '%s' cannot be read", narrow(key).c_str()));
        return loaded;
    }

    void checkGroups() {
        settings_.ballRadius = template_.getFloat(L"grpBall", L"radius", settings_.ballRadius);
        if (auto ball = groupModel(L"grpBall")) {
            const Mesh3D* sphere = ball->findMesh(L"ball");
            const Mesh3D* arrow = ball->findMesh(L"arrow");
            if (!sphere || !arrow)
                breach("the ball model needs the objects 'ball' and 'arrow'");
            else if (sphere->material == arrow->material)
                breach("'ball' and 'arrow' share a material (the game makes the arrow's see-through)");
        }
        if (auto flag = groupModel(L"grpFlag")) {
            const Mesh3D* pole = flag->findMesh(L"flagpole");
            if (!flag->findMesh(L"flag") || !pole) {
                breach("the flag model needs the objects 'flag' and 'flagpole'");
            } else {
                const Vector3 size = flag->dimensions;
                BoundingBox all = boxOfMeshes(*flag), poleBox;
                for (const Vertex3D& v : pole->vertices)
                    poleBox.add(v.position());
                if (size.y < size.x || size.y < size.z)
                    breach("the flag model's largest dimension must be its height");
                if (poleBox.min.y > all.min.y + 0.01f)
                    breach("the flagpole's foot must be the flag model's lowest point");
            }
        }
        if (auto cup = groupModel(L"grpCup")) {
            const Vector3 size = cup->dimensions;
            if (size.y > 0.1f * std::max(size.x, size.z))
                breach("the cup model must be flat");
        }
        if (auto tee = groupModel(L"grpTee")) {
            const Vector3 size = tee->dimensions;
            if (size.y < size.x || size.y < size.z)
                breach("the tee model's largest dimension must be its height");
        }
        groupModel(L"grpVane");
        std::wstring textures;
        if (auto golfer = groupModel(L"grpGolfer", &textures)) {
            if (golfer->meshes->size() != 1 || golfer->materials->size() != 1)
                breach("the golfer model needs exactly one mesh and one material");
            else if (!isGifPath(golfer->materials->front()->textureName))
                breach("the golfer's material needs a keyed GIF map");
            else
                keyedPicture(golfer->materials->front()->textureName, "the golfer's picture", &textures);
        }
        if (auto splash = groupModel(L"grpSandSplash", &textures)) {
            const Material3D* material =
                splash->meshes->empty() ? nullptr : splash->meshes->front()->material;
            const std::wstring name = material ? material->textureName : L"";
            if (name.find(L"SandSplash") == std::wstring::npos || name.find(L"exp_") != std::wstring::npos)
                breach("the sand splash's texture name must contain 'SandSplash' (and not 'exp_')");
            else if (const auto texture = keyedPicture(name, "the sand splash", &textures);
                     texture && texture->frameCount < 2)
                breach("the sand splash needs an animation of at least two frames");
        }
    }

    void checkScenery() {
        Surface sky;
        if (!loadImage(sky, path(L"Skydome.jpg"), false) || sky.width < 240) {
            breach("Skydome.jpg is missing or narrower than 240 pixels");
            return;
        }
        if (const auto hills = keyedPicture(L"landscape.gif", "the landscape");
            hills && hills->originalWidth != sky.width)
            breach(format("landscape.gif is %d pixels wide, Skydome.jpg %d: they must be as wide",
                          hills->originalWidth, sky.width));
        keyedPicture(L"woods.gif", "the woods band");
    }

    std::wstring folder_;
    CourseReport& report_;
    CourseSettings& settings_;
    PropertyTemplate template_;
};

} // namespace

void checkCourseTemplate(const std::wstring& folder, CourseReport& report, CourseSettings& settings) {
    TemplateCheck(folder, report, settings).run();
}

} // namespace velmora::tool
