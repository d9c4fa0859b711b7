// Loading a hole: the page template, the course's template with its object groups, the sky and the
// hills, the hole's model, the cup and the tee, the terrain and everything built on it, and the
// players' start on the tee. The loading message names each stage.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/course_grid.h"
#include "game/game_events.h"
#include "game/game_restore.h"
#include "game/hole_marks.h"
#include "game/names.h"
#include "game/save_panel.h"
#include "game/scorecard.h"
#include "gui/message_box.h"
#include "media/image_loader.h"
#include "media/resource_archive.h"
#include "media/wave_sound.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/ui_scale.h"
#include "render/bounding_box.h"
#include "render/mesh_prepare.h"
#include "render/model_loader.h"
#include "surface/blitters.h"

namespace velmora {

namespace {

constexpr int gaugeWidth = 121;
constexpr float vaneNearClip = 0.5f;
constexpr Vector3 golferPlace{-1.0f, 1.9f, -0.2f};
constexpr float golferDepthBias = 0.75f; // the golfer wins the depth test against the ground at his feet
constexpr float cupDepthBias = 0.05f;
const std::wstring woodsName = L"woods";

Sprite* spriteIn(const Scene* scene, const wchar_t* name) {
    return scene ? dynamic_cast<Sprite*>(scene->find(name)) : nullptr;
}

Object3D* objectIn(const Scene* scene, const wchar_t* name) {
    return scene ? dynamic_cast<Object3D*>(scene->find(name)) : nullptr;
}

// Moves every vertex of the node by offset, exactly in the vertices' fixed point.
void shiftMeshes(Object3D& node, const Vector3& offset) {
    const Fixed11 dx = toFixed11(offset.x), dy = toFixed11(offset.y), dz = toFixed11(offset.z);
    for (const auto& mesh : *node.meshes) {
        for (Vertex3D& vertex : mesh->vertices) {
            vertex.x += dx;
            vertex.y += dy;
            vertex.z += dz;
        }
        mesh->prepared = false;
    }
}

// A picture at the page's scale (both sides scaled and rounded), keeping its colour key.
void scaleToPage(Surface& picture) {
    const int width = scaled(picture.width);
    const int height = scaled(picture.height);
    if (picture.empty() || (width == picture.width && height == picture.height))
        return;
    Surface resized;
    if (!resized.create(width, height, picture.useDeviceDepth))
        return;
    stretchBlit(resized, picture, 0, 0, width, height);
    resized.hasTransparentColor = picture.hasTransparentColor;
    resized.transparentColor = picture.transparentColor;
    picture.swap(resized);
}

} // namespace

bool GameCanvas::loadHole(const SavedGame* saved) {
    showLoading(L"Loading . . .");
    if (!loadPageTemplate())
        return false;
    currentPlayer = previousPlayer = 0;
    if (saved)
        restoreHeader(*this, *saved);
    if (players.empty()) {
        MessageBoxW(handle(), L"The game names no player.", L"Error", MB_OK | MB_ICONSTOP);
        return false;
    }
    courseDisplayName = prettyCourseName(courseName);
    if (!loadCourse())
        return false;
    if (grpSandSplash) {
        for (const auto& material : *grpSandSplash->materials) {
            if (material->texture)
                material->texture->frameListener = this;
        }
    }
    if (saved) {
        // The saved turn is checked as after any stroke: the player farthest from the hole plays.
        restoreBall(*this, saved->ball);
        nextPlayer();
        refreshDisplay(activePlayer(), true);
    } else {
        startHole();
    }
    readPars();
    drawPanels();
    clearScorecard(*this);
    if (!mulligansEnabled)
        showNode(spriteIn(sceneSysMenu, L"btnMulligan"), false);
    if (players.size() == 1) {
        showNode(spriteIn(sceneScorecard, L"btnPreviousCard"), false);
        showNode(spriteIn(sceneScorecard, L"btnNextCard"), false);
    }
    if (WaveSound* const* sound = soundsByName.get(L"scene.envSound"); sound && *sound) {
        envSound = *sound;
        envSound->playLooped(handle(), -1);
    }
    envPaused = false;
    gameLoaded = true;
    logHoleLoaded(*this);
    return true;
}

void GameCanvas::showLoading(const std::wstring& text) {
    HDC dc = drawingContext();
    RECT band{0, scaled(100), pageWidth(), scaled(140)};
    DrawTextW(dc, text.c_str(), -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    present(nullptr);
}

// The file could not be read: the player learns which, and the page goes back to the front end.
void GameCanvas::failLoading(const std::wstring& file) {
    hideMessage(*this, false);
    const std::wstring text =
        formatWide(L"Can not load '%ls'.\nThe game goes back to the main menu.", displayPath(file).c_str());
    MessageBoxW(handle(), text.c_str(), L"Error", MB_OK | MB_ICONSTOP);
}

bool GameCanvas::loadPageTemplate() {
    if (!resourceExists(guiFolder_ + gameTemplateName)) {
        failLoading(guiFolder_ + gameTemplateName);
        return false;
    }
    if (!loadTemplate(guiFolder_, gameTemplateName, true))
        return false;
    gaugeImage = imageCache.lookup(guiFolder_, L"gaugePower.bmp", PowerOfTwo::No);
    sceneSaveGame = findScene(L"sceneSaveGame");
    fillSavePanel(*this);
    return true;
}

bool GameCanvas::loadCourse() {
    mainScene = dynamic_cast<Scene3D*>(findScene(L"mainScene"));
    sceneGUI = findScene(L"sceneGUI");
    sceneStatusBar = findScene(L"sceneStatusBar");
    sceneSysMenu = findScene(L"sceneSysMenu");
    sceneStrokeMenu = findScene(L"sceneStrokeMenu");
    sceneClubMenu = findScene(L"sceneClubMenu");
    sceneScorecard = findScene(L"sceneScorecard");
    txtSysInfo = spriteIn(sceneGUI, L"txtSysInfo");
    if (!mainScene) {
        failLoading(guiFolder_ + gameTemplateName);
        return false;
    }
    // The view shows nothing until the hole is complete: the loading messages stand over the black page.
    for (Scene* scene : {static_cast<Scene*>(mainScene), sceneGUI, sceneStatusBar}) {
        if (scene)
            scene->visible = false;
    }
    // The course picture only decorates the loading message: without it the hole still loads, and a
    // missing course is reported once, by the file the hole cannot do without.
    if (resourceExists(resourcesFolder_ + L"scenes\\" + courseName + L".jpg"))
        loadingPicture_ =
            imageCache.lookup(resourcesFolder_ + L"scenes", courseName + L".jpg", PowerOfTwo::No);
    showProgress(formatWide(L"%ls\nHole %d", courseDisplayName.c_str(), holeNumber));
    const std::wstring courseFolder = resourcesFolder_ + L"scenes\\" + courseName;
    if (!mainScene->find(L"grpCourse")) {
        if (!loadCourseTemplate(courseFolder))
            return false;
        loadBackground(courseFolder);
    }
    showProgress(L"Loading golf course...");
    if (!loadHoleModel(courseFolder))
        return false;
    sptWindInfo = spriteIn(sceneGUI, L"sptWindInfo");
    gaugeRuler = spriteIn(sceneGUI, L"gaugeRuler");
    gaugePower = spriteIn(sceneGUI, L"gaugePower");
    sptTopPanel = spriteIn(sceneGUI, L"sptTopPanel");
    sptBottomPanel = spriteIn(sceneGUI, L"sptBottomPanel");
    gaugeMaxWidth = scaled(gaugeWidth);
    gauge.maxWidth = gaugeMaxWidth;
    if (gaugePower) {
        gaugePower->width = 0;
        gaugePower->texture = gaugeImage;
    }
    course->setDetailLevel(ShadingMode::Unlit);
    course->setTwoSided(true);
    const CourseSurfaces surfaces = findSurfaces(*course);
    if (!isCompleteCourse(surfaces))
        MessageBoxW(handle(), courseModelError, L"Error", MB_OK | MB_ICONSTOP);
    waterMesh = surfaces.water;
    measureCourse();
    if (grpVane)
        grpVane->nearClip = vaneNearClip;
    if (windStrength == 0) {
        if (grpVane)
            grpVane->visible = false;
        showNode(sptWindInfo, false);
    }
    prepare(*course, true);
    showProgress(L"Analyzing terrain...");
    terrain_.build(*course, surfaces);
    placeCup();
    showProgress(L"Entering the course...");
    dressCourse(courseFolder);
    placeFlagAndTee();
    // See-through faces (woods from outside, shadow, trail, arrow, net) are drawn back to front; the
    // opaque ones are ordered by the z-buffer, and sorting them costs a sixth of a frame.
    mainScene->setSorting(false, true);
    makeMinimap();
    startCamera();
    hideMessage(*this, false);
    for (Scene* scene : {static_cast<Scene*>(mainScene), sceneGUI, sceneStatusBar}) {
        if (scene)
            scene->visible = true;
    }
    allFinished = false;
    cameraHold = cameraHeld = 0.0f;
    return true;
}

bool GameCanvas::loadCourseTemplate(const std::wstring& courseFolder) {
    const std::wstring path = courseFolder + L"\\" + courseTemplateName;
    if (!resourceExists(path)) {
        failLoading(path);
        return false;
    }
    if (!loadTemplate(courseFolder, courseTemplateName, false))
        return false;
    backgroundColour = static_cast<uint32_t>(pageTemplate.getColor(L"scene.bkgColor", {}, 0));
    findGroups();
    if (!grpBall) {
        failLoading(path);
        return false;
    }
    Texture* shadowPicture =
        imageCache.lookup(resourcesFolder_ + L"scenes\\golfball", L"ballshadow.jpg", PowerOfTwo::Stretch);
    ball = std::make_unique<Ball>(*this, *grpBall, *mainScene, shadowPicture);
    if (grpGolfer && !grpGolfer->meshes->empty()) {
        for (const auto& mesh : *grpGolfer->meshes)
            mesh->depthBias = toFixed16(golferDepthBias);
        Mesh3D& figure = *grpGolfer->meshes->front();
        if (Material3D* material = figure.material) {
            material->twoSided = true;
            material->alphaMode = AlphaMode::ColourKey;
            if (!material->alphaTexture)
                material->alphaTexture = material->texture;
        }
        golferPose_ = MeshPose(&figure);
        golferPose_.set(Matrix4::translation(golferPlace));
    }
    return true;
}

void GameCanvas::findGroups() {
    grpBall = objectIn(mainScene, L"grpBall");
    grpFlag = objectIn(mainScene, L"grpFlag");
    grpCup = objectIn(mainScene, L"grpCup");
    grpTee = objectIn(mainScene, L"grpTee");
    grpVane = objectIn(mainScene, L"grpVane");
    grpGolfer = objectIn(mainScene, L"grpGolfer");
    grpSandSplash = objectIn(mainScene, L"grpSandSplash");
    flag = grpFlag ? grpFlag->findMesh(L"flag") : nullptr;
    camera = &mainScene->view.camera;
}

void GameCanvas::showProgress(const std::wstring& text) {
    showMessage(*this, text, L"LOADING", MessageButtons::None, loadingPicture_, false);
    repaint();
}

void GameCanvas::loadBackground(const std::wstring& courseFolder) {
    showProgress(L"Set up environment ...");
    loadImage(skyImage, courseFolder + L"\\Skydome.jpg", true);
    scaleToPage(skyImage);
    showProgress(L"Set up landscape ...");
    Surface hills;
    loadImage(hills, courseFolder + L"\\landscape.gif", true);
    scaleToPage(hills);
    if (hills.empty() || !landscapeStrip.create(2 * hills.width, hills.height, true))
        return;
    copyBlit(landscapeStrip, hills, 0, 0);
    copyBlit(landscapeStrip, hills, hills.width, 0);
    landscapeStrip.hasTransparentColor = hills.hasTransparentColor;
    landscapeStrip.transparentColor = hills.transparentColor;
}

bool GameCanvas::loadHoleModel(const std::wstring& courseFolder) {
    const std::wstring file = formatWide(L"hole%d.3ds", holeNumber);
    if (!resourceExists(modelPath(courseFolder, file))) {
        failLoading(modelPath(courseFolder, file));
        return false;
    }
    ModelRequest request;
    request.folder = courseFolder;
    request.fileName = file;
    request.radius = courseRadius;
    request.imageCache = &imageCache;
    std::unique_ptr<Model3D> model = loadModel(request);
    if (!model || model->meshes->empty()) {
        failLoading(modelPath(courseFolder, file));
        return false;
    }
    course = model.get();
    mainScene->add(L"grpCourse", std::move(model));
    return true;
}

// The course's extent without the trees, and its lowest point (trees left out) lifted to height 0.
void GameCanvas::measureCourse() {
    const BoundingBox box = boxOfMeshes(*course, nullptr, &woodsName);
    if (box.empty)
        return;
    courseWidth = box.max.x - box.min.x;
    courseDepth = box.max.z - box.min.z;
    shiftMeshes(*course, {0.0f, -box.min.y, 0.0f});
}

void GameCanvas::placeCup() {
    const Mesh3D* green = terrain_.surfaces.green;
    if (green && !green->vertices.empty())
        cupPosition = cupSpot(*green);
    if (const Mesh3D* tground = terrain_.surfaces.tground)
        teePosition = teeSpot(*tground);
    Vector3 normal;
    terrain_.dropToGround(teePosition, normal);
    terrain_.dropToGround(cupPosition, cupNormal);
}

void GameCanvas::dressCourse(const std::wstring& courseFolder) {
    greenGrid = buildGreenGrid(*mainScene, terrain_, cupPosition);
    boundary = buildTreeLine(terrain_.surfaces.woods,
                             imageCache.lookup(courseFolder, L"woods.gif", PowerOfTwo::Stretch), terrain_);
    std::vector<Texture*> pictures;
    for (std::wstring name : splitList(pageTemplate.getString(L"treesName").value_or(L""), L',', 0)) {
        trim(name, blanksAndTabs);
        if (!name.empty())
            pictures.push_back(imageCache.lookup(courseFolder, name, PowerOfTwo::Stretch));
    }
    placePlants(*mainScene, boundary.playLine, pictures, terrain_);
    courseMap_.create(courseWidth, courseDepth);
    courseMap_.draw(boundary.treeLine, boundary.playLine);
}

void GameCanvas::placeFlagAndTee() {
    if (grpFlag) {
        if (const Mesh3D* pole = grpFlag->findMesh(L"flagpole")) {
            const Vector3 axis = boxOf(*pole).centre();
            shiftMeshes(*grpFlag, {-axis.x, 0.0f, -axis.z});
        }
        grpFlag->transform.setTranslation({cupPosition.x, cupPosition.y + grpFlag->radius, cupPosition.z});
        flagPose_ = MeshPose(flag);
    }
    if (grpCup) {
        for (const auto& mesh : *grpCup->meshes)
            mesh->depthBias = toFixed16(cupDepthBias);
        grpCup->transform = Matrix4::fromQuaternion(rotationBetween({0, 1, 0}, cupNormal), cupPosition, 1.0f);
    }
    if (grpSandSplash && !grpSandSplash->meshes->empty()) {
        Mesh3D& splash = *grpSandSplash->meshes->front();
        const BoundingBox box = boxOf(splash);
        MeshPose(&splash).set(Matrix4::translation({0.0f, -(box.max - box.centre()).length(), 0.0f}));
    }
    if (grpTee)
        grpTee->transform.setTranslation(teePosition);
    ball->placeAt(teePosition);
}

void GameCanvas::readPars() {
    const std::vector<std::wstring> values =
        splitList(pageTemplate.getString(L"pars").value_or(L""), L',', 0);
    for (size_t hole = 0; hole < values.size() && hole < pars.size(); ++hole)
        pars[hole] = parseLong(values[hole]);
}

} // namespace velmora
