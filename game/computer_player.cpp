#include "game/computer_player.h"

#include "game/demo_mode.h"
#include "game/game_canvas.h"
#include "gui/message_box.h"
#include "platform/messages.h"
#include "render/scalar_math.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {
constexpr float thinkingSeconds = 0.6f; // at least, before a shot
constexpr float menuSeconds = 0.5f;     // the club menu stays open this long
constexpr float aimTurnRate = 0.6f;     // radians a second, as a held key turns at first
constexpr float readingSeconds = 1.2f;  // a message stays this long before its answer
constexpr float resultSeconds = 2.0f;   // the hole's result and the end of the hole, longer
constexpr int gaugePerFrame = 3;        // the gauge at 25 frames a second
constexpr float aimStray = 0.03f;       // radians the aim may stray on a full-power shot
constexpr int mistimedChance = 35;      // percent of shots off the putting green stopped a step off

// The planner finds the best shot exactly; a practised player only comes close. The aim strays in
// proportion to the power and the gauge is now and then stopped a step early or late, so approaches
// finish near the flag instead of in the cup and a watcher sees golf rather than a machine.
void playLikeAPerson(ShotChoice& shot) {
    shot.aimTurn += randomFloat(-aimStray, aimStray) * static_cast<float>(shot.power) / 100.0f;
    if (shot.swing != SwingPutt && randomInt(0, 99) < mistimedChance)
        shot.power += randomInt(0, 1) == 0 ? -gaugePerFrame : gaugePerFrame;
}
} // namespace

ShotWorld shotWorldOf(const GameCanvas& game) {
    ShotWorld world;
    world.terrain = &game.terrain();
    world.courseMap = &game.courseMap();
    world.cup = game.cupPosition;
    world.tee = game.teePosition;
    world.pegHeight = game.pegHeight();
    world.ballRadius = game.ball ? game.ball->radius : world.ballRadius;
    world.windMph = game.windSpeed;
    world.windHeading = game.windDirection;
    world.powerStep = gaugePerFrame;
    world.aimStray = aimStray;
    world.powerStray = gaugePerFrame;
    return world;
}

ComputerPlayer::ComputerPlayer(GameCanvas& game)
    : game_(game), gameMouse_(game.mouseListener()), gameKeys_(game.keyListener()) {
    game_.addBeforeFrameListener(this);
    game_.setMouseListener(this);
    game_.setKeyListener(this);
}

ComputerPlayer::~ComputerPlayer() {
    game_.removeBeforeFrameListener(this);
    if (game_.mouseListener() == this)
        game_.setMouseListener(gameMouse_);
    if (game_.keyListener() == this)
        game_.setKeyListener(gameKeys_);
}

void ComputerPlayer::onCommand(Window* window, UINT message, WPARAM keyState, int x, int y) {
    if (message == WM_LBUTTONDOWN)
        takeOver_ = true;
    else if (gameMouse_ && !takeOver_)
        gameMouse_->onCommand(window, message, keyState, x, y); // a mouse passing over the page
}

void ComputerPlayer::onKeyMessage(Window* window, UINT message, int virtualKey) {
    if (message == WM_KEYDOWN)
        takeOver_ = true;
    if (gameKeys_)
        gameKeys_->onKeyMessage(window, message, virtualKey);
}

void ComputerPlayer::onFrame(float dt) {
    if (takeOver_) {
        // Once: the demonstration ends here and in the instances this one starts.
        if (demoMode() != DemoMode::Off) {
            setDemoMode(DemoMode::Off);
            game_.returnToFrontEnd();
        }
        return;
    }
    if (!game_.gameLoaded || !game_.ball)
        return;
    if (isMessageOpen(game_))
        answerMessage(dt);
    else
        play(dt);
}

void ComputerPlayer::answerMessage(float dt) {
    const std::wstring key = messageKey(game_).value_or(L"");
    if (step_ != Step::Watching) {
        step_ = Step::Watching;
        waited_ = 0.0f;
        search_.reset();
    }
    waited_ += dt;
    const bool result = key == L"BIRD" || key == L"FINISHED_HOLE";
    if (waited_ < (result ? resultSeconds : readingSeconds))
        return;
    waited_ = 0.0f;
    const wchar_t* button = okButton;
    if (key == L"WATER_HAZARD")
        button = yesButton; // dropped behind the water, rather than played again from the last spot
    else if (key == L"QUIT")
        button = noButton; // the demonstration plays on
    game_.answerMessage(button);
}

bool ComputerPlayer::readyToPlay() const {
    const Ball& ball = *game_.ball;
    return ball.isStill && ball.isShown() && !ball.isInTheCup && !game_.activePlayer().finishedThisHole &&
           !game_.impactPending && !game_.checkingTarget && game_.gaugeReady();
}

void ComputerPlayer::play(float dt) {
    if (step_ != Step::Charging && !readyToPlay()) {
        step_ = Step::Watching;
        search_.reset();
        return;
    }
    waited_ += dt;
    Player& player = game_.activePlayer();
    switch (step_) {
    case Step::Watching:
        search_ = std::make_unique<ShotSearch>(shotWorldOf(game_), game_.ball->position);
        step_ = Step::Thinking;
        waited_ = 0.0f;
        break;
    case Step::Thinking:
        if (!search_->advance(plannedShotsPerFrame) || waited_ < thinkingSeconds)
            break;
        shot_ = search_->plan().choice;
        playLikeAPerson(shot_);
        shot_.power = std::clamp(shot_.power, gaugePerFrame, 100);
        search_.reset();
        if (game_.sceneClubMenu)
            game_.sceneClubMenu->visible = true;
        step_ = Step::Choosing;
        waited_ = 0.0f;
        break;
    case Step::Choosing:
        if (waited_ < menuSeconds)
            break;
        game_.selectClubFor(player, shot_.club);
        game_.selectSwingFor(player, shot_.swing);
        if (game_.sceneClubMenu)
            game_.sceneClubMenu->visible = false;
        turned_ = 0.0f;
        step_ = Step::Aiming;
        break;
    case Step::Aiming: {
        const float left = shot_.aimTurn - turned_;
        const float turn = std::min(std::fabs(left), aimTurnRate * dt);
        if (turn > 0.0f) {
            game_.turnAim(left > 0.0f, turn);
            turned_ += left > 0.0f ? turn : -turn;
            break;
        }
        game_.runAimAnimation(false);
        game_.pressGauge(); // an empty bar starts charging
        step_ = Step::Charging;
        break;
    }
    case Step::Charging:
        // Let go and tap in one frame: the bar has no time to drain back.
        if (game_.gauge.charging && (game_.gauge.power >= shot_.power || game_.gauge.powerDirection < 0)) {
            game_.releaseGauge();
            game_.pressGauge();
        }
        if (game_.gauge.swinging || !game_.gauge.charging) {
            step_ = Step::Watching;
            waited_ = 0.0f;
        }
        break;
    }
}

} // namespace velmora
