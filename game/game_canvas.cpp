#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/computer_player.h"
#include "gui/message_box.h"
#include "gui/relaunch.h"
#include "media/wave_sound.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/ui_scale.h"
#include "render/gapi_display.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"

#include <cmath>

namespace velmora {

namespace {
constexpr uint32_t padColour = 0x141414; // (20, 20, 20)
constexpr float waterClockRate = 0.01f;
constexpr float waterClockWrap = 100000.0f;
constexpr float skyClockWrap = 1000.0f;
constexpr Vector3 vaneInView{0.0f, 1.18f, 2.5f}; // up and ahead of the eye
constexpr float clothWaves = 2.0f;     // radians of wave per unit from the pole, times the wind term
constexpr float clothWaveSpeed = 2.0f; // radians per second
} // namespace

GameCanvas::GameCanvas(std::wstring resourcesFolder)
    : Canvas(gameCanvasName, true), resourcesFolder_(std::move(resourcesFolder)) {
    guiFolder_ = resourcesFolder_ + L"GUI\\";
    returnToFrontEnd = [this] { velmora::returnToFrontEnd(*this); };
    relaunchTo = [this](const std::wstring& commandLine) {
        if (!canRelaunchExecutable())
            return false;
        Window* mainWindow = parentObject();
        return relaunch(mainWindow ? mainWindow->handle() : GetParent(handle()), commandLine);
    };
}

GameCanvas::~GameCanvas() {
    computerPlayer.reset(); // it gives the page's listeners back
    // The ball's nodes belong to the scenes; it goes before them.
    ball.reset();
    if (dashedPen_)
        DeleteObject(dashedPen_);
}

void GameCanvas::onCreate() {
    setMouseListener(this);
    setMessageBoxFolder(guiFolder_);
    createInputPad(padColour, guiFolder_, L"inputpad.gif", L"btn.gif", L"btnBig.gif");
    HDC dc = drawingContext();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    dashedPen_ = CreatePen(PS_DASH, 1, RGB(255, 255, 255));
    frameTimer.targetFps = framesPerSecond;
    frameTimer.windowMs = measuringWindowMs;
    frameTimer.mode = FrameTimer::AdaptiveSleep;
    initMathTables(GetTickCount());
    settings = readGameSettings(guiFolder_);
    // With "Direct video" ticked the frames go straight into the display's framebuffer; where none
    // serves, the page keeps drawing through its window.
    GapiDisplay::open(handle(), settings.directVideo, false);
    mulligansEnabled = settings.mulligansEnabled;
    windCondition = settings.windCondition;
    windStrength = windStrengthOf(windCondition);
    windSpeed = windStrength;
    windDirection = startWindDirection();
}

void GameCanvas::stopActivity() {
    Canvas::stopActivity();
    gameLoaded = false;
}

// Frames -----------------------------------------------------------------------------------------

void GameCanvas::update(float step) {
    if (!gameLoaded)
        return;
    if (grpFlag)
        grpFlag->visible = !ball->isInGreen;
    gaugeFrame(step);
    ball->step(Ball::fixedStep);
    ballAtRest = ball->isStill;
    ballOutOfBounds = ball->isOutOfBoundary;

    waterClock += step * waterClockRate;
    if (waterClock > waterClockWrap)
        waterClock = 0.0f;
    if (waterMesh && waterMesh->material) {
        // The texture repeats every unit: only the fraction moves it, and it always fits 16.16.
        const float shift = waterClock - std::floor(waterClock);
        waterMesh->material->setTextureOffset(shift, shift);
    }
    waveFlag();
    if (!ballOutOfBounds || golferView)
        updateCamera(step);
    placeVane();
    skyClock += step;
    if (skyClock > skyClockWrap)
        skyClock = 0.0f;
    resumeEnvSound();
}

// The cloth ripples along its length, more with the wind: each point of the cloth moves across it
// and up or down by its distance from the pole times the wave.
void GameCanvas::waveFlag() {
    if (!grpFlag || !grpFlag->visible || !flagPose_.mesh())
        return;
    const float along = (cosT(playClock) + static_cast<float>(windSpeed)) * 0.2f + 0.5f;
    const float across = sinT(playClock) * 0.2f;
    const float droop = sinT(playClock) * 0.2f;
    flagPose_.set([&](const Vector3& p) {
        const float reach = std::sqrt(p.x * p.x + p.z * p.z);
        const float wave = sinT(reach * along * clothWaves - playClock * clothWaveSpeed);
        return Vector3{p.x, p.y + droop * reach * 0.25f, p.z + across * reach * wave};
    });
}

void GameCanvas::placeVane() {
    if (!ballAtRest) {
        if (grpVane)
            grpVane->visible = false;
        return;
    }
    if (grpVane && camera) {
        const Vector3 eye = camera->eye();
        const Vector3 forward = (camera->target() - eye).normalised();
        const Vector3 side = cross(camera->up(), forward).normalised();
        const Vector3 up = cross(forward, side).normalised();
        grpVane->transform = Matrix4::rotationY(windDirection);
        grpVane->transform.setTranslation(eye + side * vaneInView.x + up * vaneInView.y +
                                          forward * vaneInView.z);
        grpVane->visible = windStrength != 0;
    }
    // The golfer faces the aim.
    if (grpGolfer) {
        const Vector3 stand = grpGolfer->transform.getTranslation();
        grpGolfer->transform = ball->group->transform;
        grpGolfer->transform.setTranslation(stand);
    }
}

void GameCanvas::resumeEnvSound() {
    if (envPaused && playClock - envPauseStart >= envPauseLength) {
        envPaused = false;
        if (envSound)
            envSound->playLooped(handle(), -1);
    }
}

void GameCanvas::afterPaint(float step) {
    if (!gameLoaded)
        return;
    playClock += step;
    // The marks drawn over the view stay under the menus, panels and messages that pop up over it.
    const bool popUp = isShown(sceneSysMenu) || isShown(sceneStrokeMenu) || isShown(sceneClubMenu) ||
                       isShown(sceneScorecard) || isShown(sceneSaveGame);
    messageShown = isMessageOpen(*this);
    if (!popUp && !messageShown)
        drawCupMarker();
    if (sptWindInfo) {
        if (ballAtRest)
            sptWindInfo->setText(formatWide(L"%d mph", windSpeed));
        sptWindInfo->visible = ballAtRest && windStrength != 0;
    }
    if (!messageShown) {
        checkOutOfBounds();
        if (showMinimap && !popUp)
            drawMinimap();
    }
    if (showFps) {
        HDC dc = drawingContext();
        const COLORREF previous = SetTextColor(dc, RGB(0, 0, 0));
        const std::wstring rate = formatWide(L"%2.1f", static_cast<double>(frameTimer.measuredFpsExact));
        ExtTextOutW(dc, scaled(70), scaled(10), 0, nullptr, rate.c_str(), -1, nullptr);
        SetTextColor(dc, previous);
    }
    // Seen from outside the course, the trees in front would hide it: they turn see-through.
    Mesh3D* woods = terrain_.surfaces.woods;
    if (woods && woods->material && camera)
        woods->material->detailLevel =
            courseMap_.isOutsideCourse(camera->eye()) ? ShadingMode::UnlitBlended : ShadingMode::Unlit;
    keyStep(step);
    lastDt = step;
}

// Every 2.5 seconds the wind changes and a holed ball's result comes.
void GameCanvas::onMeasurement(float) {
    if (!gameLoaded)
        return;
    windStep();
    periodicCheck();
}

bool GameCanvas::isShown(const Scene* scene) {
    return scene && scene->visible;
}

void GameCanvas::showNode(Sprite* node, bool shown) {
    if (node)
        node->visible = shown;
}

} // namespace velmora
