#pragma once
// The game page: the one page of a game instance. It loads its template and one hole of a course
// (model, sky, hills, terrain, trees, cup, flag, tee, ball, minimap), then makes one frame per idle
// turn: update moves the ball, the camera, the vane, the flag and the water; paint draws the sky and
// the hills behind the scenes; afterPaint draws the cup marker, the wind text and the minimap and
// checks for a ball out of bounds. A new hole is a new instance, so a page loads one hole in its life.
//
// Files: game_canvas.cpp (page and frame), hole_loading.cpp, minimap.cpp, game_paint.cpp (sky,
// hills, marks), game_rules.cpp (what the ball's fate does to the game), camera_views.cpp.

#include "game/ball.h"
#include "game/camera_views.h"
#include "game/course_features.h"
#include "game/course_map.h"
#include "game/game_settings.h"
#include "game/mesh_pose.h"
#include "game/player.h"
#include "game/terrain.h"
#include "gui/canvas.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class WaveSound;

inline constexpr wchar_t gameCanvasName[] = L"gameCanvas";
inline constexpr wchar_t gameTemplateName[] = L"GameCanvas.properties";
inline constexpr wchar_t courseTemplateName[] = L"courseGrps.properties";
inline constexpr wchar_t courseModelError[] = L"The 3D model of golf course is not correct!";

// Short sounds of the game; each pauses the course's ambient sound for its length.
enum class Jingle { Applause = 0, Boo = 1, Bounce = 2, Cheering = 3, Cup = 4, WaterSplash = 5 };

class GameCanvas : public Canvas {
public:
    static constexpr int framesPerSecond = 25;
    static constexpr int measuringWindowMs = 2500;

    // resourcesFolder is the shipped data (platform/game_folders.h), ending with a backslash.
    explicit GameCanvas(std::wstring resourcesFolder);
    ~GameCanvas() override;

    // Installs the page's input pad and pens, paces frames at 25 a second and reads the settings.
    void onCreate() override;
    // Shows the loading messages and loads the page and the hole of courseName and holeNumber for
    // the players. False when the hole cannot be played: the player was told which file is missing
    // or damaged, and the page should go back to the front end.
    bool loadHole(const std::optional<std::wstring>& savedGameName);

    void update(float step) override;
    void paint() override;
    void afterPaint(float step) override;
    void onMeasurement(float windowSeconds) override;
    // Leaving for another instance: every sound stops and the game is no longer loaded.
    void stopActivity() override;

    // The way back to the front end; by default the fade-out and relaunch with "ARG:intro". Tests
    // replace it.
    std::function<void()> returnToFrontEnd;

    // What the ball's fate does to the game (each also does what the turn flow adds later).
    Player& activePlayer() { return players[static_cast<size_t>(currentPlayer)]; }
    // One more stroke on this hole for the player, at most 100.
    void addStroke(Player& player);
    // A penalty stroke: the ball drowned or went out of bounds.
    void addPenaltyStroke();
    // The ball came to rest after a stroke: how far it went.
    void endStroke();
    // The ball is at rest: the stroke may be taken back and the action buttons come back.
    void shotEnded();
    // The ball drowned; it may be dropped at dropPoint when that is in bounds.
    void ballInWater(const Vector3& dropPoint, bool dropInBounds);
    // The ball dropped below the cup.
    void ballHoled();
    void playJingle(Jingle jingle);

    // Display the ball changes.
    void showActionButtons(bool shown);
    void showGreenGrid(bool shown);
    void showGauge();
    void takeCameraView(CameraView view);
    bool teeShown() const { return grpTee && grpTee->visible; }

    const Terrain& terrain() const { return terrain_; }
    const CourseMap& courseMap() const { return courseMap_; }
    const std::wstring& resourcesFolder() const { return resourcesFolder_; }

    // State.
    bool gameLoaded = false;
    bool showFps = false;
    bool checkingTarget = false; // the camera shows the hole
    bool golferView = false;     // the camera shows the golfer's face
    bool messageShown = false;
    bool ballAtRest = true;
    bool ballOutOfBounds = false;
    bool allFinished = false;
    bool showMinimap = true;

    // The page's scenes and the nodes the game uses.
    Scene3D* mainScene = nullptr;
    Scene* sceneGUI = nullptr;
    Scene* sceneStatusBar = nullptr;
    Scene* sceneSysMenu = nullptr;
    Scene* sceneStrokeMenu = nullptr;
    Scene* sceneClubMenu = nullptr;
    Scene* sceneScorecard = nullptr;
    Scene* sceneSaveGame = nullptr;
    Sprite* sptWindInfo = nullptr;
    Sprite* gaugeRuler = nullptr;
    Sprite* gaugePower = nullptr;
    Sprite* txtSysInfo = nullptr;
    Sprite* sptTopPanel = nullptr;
    Sprite* sptBottomPanel = nullptr;
    int gaugeMaxWidth = 0;
    Texture* gaugeImage = nullptr;

    // The hole.
    Object3D* course = nullptr;
    Mesh3D* waterMesh = nullptr;
    float courseWidth = 0.0f; // x and z extent without the woods
    float courseDepth = 0.0f;
    Vector3 teePosition;
    Vector3 cupPosition;
    Vector3 cupNormal{0, 1, 0};
    uint32_t backgroundColour = 0;
    Object3D* grpBall = nullptr;
    Object3D* grpFlag = nullptr;
    Object3D* grpCup = nullptr;
    Object3D* grpTee = nullptr;
    Object3D* grpVane = nullptr;
    Object3D* grpGolfer = nullptr;
    Object3D* grpSandSplash = nullptr;
    Mesh3D* flag = nullptr;
    std::unique_ptr<Ball> ball;
    Camera3D* camera = nullptr;
    Object3D* greenGrid = nullptr;
    CourseBoundary boundary;

    // Behind the 3D view.
    Surface skyImage;
    Surface landscapeStrip; // the hills picture twice side by side

    // The players.
    std::vector<Player> players;
    int currentPlayer = 0;
    int previousPlayer = 0;
    int holeNumber = 1;
    HoleScores pars{};
    std::wstring courseName;
    std::wstring courseDisplayName;

    // Settings and wind.
    GameSettings settings;
    bool mulligansEnabled = true;
    int windCondition = 0;
    int windStrength = 0;
    int windSpeed = 0; // mph
    float windDirection = 0.0f;

    // The shot in progress.
    float surfaceFactor = 1.0f; // 5 for a flop shot with the wedge
    float cameraHold = 0.0f;    // seconds the camera stays still after the impact
    float cameraHeld = 0.0f;
    float lastDt = 0.0f;

    // The minimap: a top-down picture of the hole.
    Surface minimap;
    float minimapScale = 0.0f; // pixels per world unit
    int minimapX = 0;
    int minimapY = 0;

    // The course's ambient sound and its pause while a jingle plays (on the play clock).
    WaveSound* envSound = nullptr;
    bool envPaused = false;
    float envPauseStart = 0.0f;
    float envPauseLength = 0.0f;

    // Clocks: seconds of play, the water's scroll and the sky's drift.
    float playClock = 0.0f;
    float waterClock = 0.0f;
    float skyClock = 0.0f;

private:
    // Loading.
    void showLoading(const std::wstring& text);
    void showProgress(const std::wstring& text);
    bool loadPageTemplate();
    bool loadCourse();
    bool loadCourseTemplate(const std::wstring& courseFolder);
    bool loadHoleModel(const std::wstring& courseFolder);
    void findGroups();
    void loadBackground(const std::wstring& courseFolder);
    void measureCourse();
    void placeCup();
    void dressCourse(const std::wstring& courseFolder);
    void placeFlagAndTee();
    void makeMinimap();
    void startCamera();
    void readPars();
    void drawPanels();
    void startHole();
    void failLoading(const std::wstring& file);
    // Frames.
    void waveFlag();
    void placeVane();
    void updateCamera(float step);
    void drawBackground();
    void drawCupMarker();
    void drawMinimap();
    void checkOutOfBounds();
    void resumeEnvSound();
    void showNode(Sprite* node, bool shown);
    static bool isShown(const Scene* scene);

    std::wstring resourcesFolder_;
    std::wstring guiFolder_;
    Terrain terrain_;
    CourseMap courseMap_;
    MeshPose flagPose_;
    Texture* loadingPicture_ = nullptr;
    HPEN dashedPen_ = nullptr;
};

} // namespace velmora
