#pragma once
// The game page: the one page of a game instance. It loads its template and one hole of a course
// (model, sky, hills, terrain, trees, cup, flag, tee, ball, minimap), then makes one frame per idle
// turn: update moves the ball, the camera, the vane, the flag and the water; paint draws the sky and
// the hills behind the scenes; afterPaint draws the cup marker, the wind text and the minimap and
// checks for a ball out of bounds. A new hole is a new instance, so a page loads one hole in its life.
//
// Files: game_canvas.cpp (page and frame), hole_loading.cpp, minimap.cpp, game_paint.cpp (sky,
// hills, marks), game_rules.cpp (what the ball's fate does to the game), camera_views.cpp,
// shot_control.cpp (aim, gauge, strike, keys), game_commands.cpp (taps and message answers),
// turns.cpp (turns, hole results, mulligan, end of the hole), golfer.cpp (the golfer's
// animations), hud.cpp (the heads-up display and the club choice).

#include "game/ball.h"
#include "game/ball_host.h"
#include "game/camera_views.h"
#include "game/course_features.h"
#include "game/course_map.h"
#include "game/game_settings.h"
#include "game/hole_result.h"
#include "game/mesh_pose.h"
#include "game/player.h"
#include "game/power_gauge.h"
#include "game/terrain.h"
#include "gui/canvas.h"
#include "gui/listeners.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class ComputerPlayer;
class WaveSound;
struct SavedGame;

inline constexpr wchar_t gameCanvasName[] = L"gameCanvas";
inline constexpr wchar_t gameTemplateName[] = L"GameCanvas.properties";
inline constexpr wchar_t courseTemplateName[] = L"courseGrps.properties";
inline constexpr wchar_t courseModelError[] = L"The 3D model of golf course is not correct!";

// The buttons of the message box.
inline constexpr wchar_t okButton[] = L"btnOK";
inline constexpr wchar_t yesButton[] = L"btnYes";
inline constexpr wchar_t noButton[] = L"btnNo";

class GameCanvas : public Canvas, public MouseListener, public TextureFrameListener, public BallHost {
public:
    static constexpr int framesPerSecond = 25;
    static constexpr int measuringWindowMs = 2500;
    static constexpr int aimAnimationIndex = 4; // after the four clubs' swings

    // resourcesFolder is the shipped data (platform/game_folders.h), ending with a backslash.
    explicit GameCanvas(std::wstring resourcesFolder);
    ~GameCanvas() override;

    // Installs the page's input pad and pens, paces frames at 25 a second and reads the settings.
    void onCreate() override;
    // Shows the loading messages and loads the page and the hole of courseName and holeNumber for
    // the players, or of a saved game, which then goes on where it was saved. False when the hole
    // cannot be played: the player was told which file is missing or damaged, and the page should go
    // back to the front end.
    bool loadHole(const SavedGame* saved);

    void update(float step) override;
    void paint() override;
    void afterPaint(float step) override;
    void onMeasurement(float windowSeconds) override;
    // Leaving for another instance: every sound stops and the game is no longer loaded.
    void stopActivity() override;

    // The way back to the front end; by default the fade-out and relaunch with "ARG:intro". Tests
    // replace it.
    std::function<void()> returnToFrontEnd;
    // Starts the next instance with a command line ("ARG:..."); false when the program cannot start
    // itself, and the game then stays where it is. Tests replace it.
    std::function<bool(const std::wstring& commandLine)> relaunchTo;
    // The demonstration's player, when the computer plays this hole.
    std::unique_ptr<ComputerPlayer> computerPlayer;

    // Shot control: what a player does with the stylus and the keys, as plain operations that a
    // program can call too.
    // Aims the ball at the flag (the cup from the green) and says so.
    void autoAim();
    // The camera shows the hole, and back.
    void startCheckTarget();
    void endCheckTarget();
    // Turns the aim of the resting ball by angle radians, the golfer's aim animation running.
    void turnAim(bool turnRight, float angle);
    // A press on the gauge: starts charging when the bar is empty, otherwise plays its power.
    void pressGauge();
    // The stylus leaves the gauge: charging stops and the bar drains back.
    void releaseGauge();
    // Whether the gauge takes a press now: shown, with its picture (no swing running).
    bool gaugeReady() const;
    // The launch of the current player's stroke and its swing animation.
    void strike();
    // The club meets the ball (frame 13 of the swing): the ball flies.
    void onImpact();
    // The hardware keys, once per frame.
    void keyStep(float step);
    // The wind gusts and turns (every 2.5 seconds of play).
    void windStep();

    // Commands: the page's mouse listener, the command of a released node, and the answer to the
    // open message (okButton, yesButton or noButton).
    void onCommand(Window* window, UINT message, WPARAM keyState, int x, int y) override;
    void runCommand(const std::wstring& nodeName);
    void answerMessage(const std::wstring& button);
    // What follows the answer to a message of that key.
    void messageAcknowledged(const std::wstring& key, const std::wstring& button);
    // The sys menu's entries that later work fills in: the scorecard and the save panel.
    void openScorecard();
    void closeScorecard();
    void showOtherCard(int step);
    void openSavePanel();
    void closeSavePanel();
    void askSlotName(int slot);
    void saveIntoSlot(int slot, const std::wstring& name);
    // The course's best totals after the ninth hole.
    void updateBestScores();

    // Turns.
    // Every player on the tee with the wood and a full swing.
    void startHole();
    // Chooses who plays next and sets up the ball for them.
    void nextPlayer();
    // The view goes over to the current player (with a fade when the player changes).
    void switchToCurrentPlayer();
    // Every 2.5 seconds: the result of a holed ball, then the next player or the end of the hole.
    void periodicCheck();
    void announceResult();
    void checkHoleFinished();
    // The hole is over: on to the next hole, or to the results after the ninth.
    void endHole();
    // Takes back the current player's last stroke with its penalty strokes.
    void takeMulligan();
    void askToQuit();
    // The golfer's reaction, seen from the front.
    void showExpression(Expression expression);
    // The golfer's animation: a swing (0 to 3 by club, 4 aiming) or a reaction (by Expression).
    // Swings and reactions play once from their first frame; the aim pose waits, looping, for
    // runAimAnimation.
    enum class GolferMotion { Swing, Reaction };
    void setGolferAnimation(GolferMotion motion, int index);
    void frameChanged(Texture& texture, int frame) override;
    // Starts or stops the aim animation.
    void runAimAnimation(bool running);

    // The heads-up display.
    void selectClubFor(Player& player, int club);
    void selectSwingFor(Player& player, int swing);
    void chooseClubAndSwingFor(Player& player);
    void showLie();
    void showPlayerPicture(const Player& player);
    void showNameAndStrokes(const Player& player);
    void showDistance(const Player& player);
    void computeElevation(Player& player);
    void showElevation(const Player& player);
    void showClubAndSwing(const Player& player);
    void refreshDisplay(Player& player, bool full);
    // Distances of the player from where the ball is.
    void updatePlayerDistances(Player& player);
    // The position, placed at the ball's lie again (aimed at the cup) unless the player is done.
    void placeBallForPlayer(const Player& player);

    // What the ball's fate does to the game (each also does what the turn flow adds later).
    Player& activePlayer() { return players[static_cast<size_t>(currentPlayer)]; }
    const Player& activePlayer() const { return players[static_cast<size_t>(currentPlayer)]; }
    // The index of this hole in the players' scores.
    int holeIndex() const {
        return holeNumber < 1 ? 0 : (holeNumber > holeCount ? holeCount - 1 : holeNumber - 1);
    }
    // One more stroke on this hole for the player, at most 100.
    void addStroke(Player& player);
    // A penalty stroke: the ball drowned or went out of bounds.
    void addPenaltyStroke();
    // The ball came to rest after a stroke: how far it went.
    void endStroke() override;
    // The ball is at rest: the stroke may be taken back and the action buttons come back.
    void shotEnded() override;
    // The ball drowned; it may be dropped at dropPoint when that is in bounds.
    void ballInWater(const Vector3& dropPoint, bool dropInBounds) override;
    // The ball dropped below the cup.
    void ballHoled() override;
    void playJingle(Jingle jingle);

    // The rest of what the ball asks of the game and tells it.
    Vector3 cupPoint() const override { return cupPosition; }
    Vector3 teePoint() const override { return teePosition; }
    float pegHeight() const override { return teeShown() ? grpTee->radius : 0.0f; }
    int windMph() const override { return windSpeed; }
    float windHeading() const override { return windDirection; }
    float shotSurfaceFactor() const override { return surfaceFactor; }
    bool shotIsPutt() const override { return activePlayer().selectedClub == ClubPutter; }
    bool shotIsChip() const override { return activePlayer().selectedSwingType == SwingChip; }
    bool strikerHasFinished() const override { return activePlayer().finishedThisHole; }
    void ballPlaced(bool onGreen) override;
    void ballLaunched() override;
    void ballOverCup() override { takeCameraView(CameraView::Cup); }
    void ballBounced() override { playJingle(Jingle::Bounce); }
    void ballDrowned() override { addPenaltyStroke(); }

    // Display the ball changes.
    void showActionButtons(bool shown);
    void showGreenGrid(bool shown);
    void showGauge();
    void takeCameraView(CameraView view);
    bool teeShown() const { return grpTee && grpTee->visible; }

    const Terrain& terrain() const override { return terrain_; }
    const CourseMap& courseMap() const override { return courseMap_; }
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
    int cardPlayer = 0; // whose scorecard is shown
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
    PowerGauge gauge;
    float turnRate = 0.5f; // radians per second of key aiming, 0.5 to 2.0
    float launchAngle = 0.0f;
    float launchSpeed = 0.0f;
    bool impactPending = false; // struck, the club not yet at the ball
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
    void failLoading(const std::wstring& file);
    // Frames of the gauge: charging, draining back, the swing's run; the bar shows it.
    void gaugeFrame(float step);
    void drawGaugeBar();
    void aimByStylus(int x);
    bool popUpShown() const;
    void hideMenus();
    void relaunchOrStay(const std::wstring& commandLine);
    // Frames.
    void waveFlag();
    void placeVane();
    void updateCamera(float step);
    void drawBackground();
    void drawCupMarker();
    void drawMinimap();
    void checkOutOfBounds();
    void resumeEnvSound();
    void pauseEnvSound(float seconds);
    void showNode(Sprite* node, bool shown);
    static bool isShown(const Scene* scene);

    std::wstring resourcesFolder_;
    std::wstring guiFolder_;
    Terrain terrain_;
    CourseMap courseMap_;
    MeshPose flagPose_;
    Texture* loadingPicture_ = nullptr;
    HPEN dashedPen_ = nullptr;
    MeshPose golferPose_;
    Texture* golferTexture_ = nullptr;
    Texture* aimAnimation_ = nullptr; // the keys start and stop it
    uint32_t keysBefore_ = 0;         // held in the previous frame
    int pressX_ = 0;                  // of the last stylus press
    std::optional<int> lastMoveX_;    // of the previous stylus move
};

} // namespace velmora
