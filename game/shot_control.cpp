// Shot control: aiming with the stylus and the keys, the auto-aim and the look at the hole, the
// power gauge's frames, the strike with its launch, the impact at the swing's frame 13, the keys of
// play and the wind.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/game_events.h"
#include "game/launch_table.h"
#include "gui/message_box.h"
#include "platform/messages.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"

#include <cstdlib>

namespace velmora {

namespace {
constexpr float slowTurnRate = 0.5f;
constexpr float fastTurnRate = 2.0f;
constexpr float turnRateGrowth = 0.5f; // per second of turning
constexpr float stylusTurnRate = 0.01f;
constexpr uint32_t swingBarColour = 0x32FF32; // (50, 255, 50)
constexpr float checkTargetPause = 2.4f;
constexpr float impactPause = 0.61f;
constexpr float impactCameraHold = 0.6f;
constexpr Vector3 puttCamera{0.0f, 3.0f, 20.0f}; // in the ball's frame
constexpr float windDirectionDrift = 0.1f;
constexpr int maxWindSpeed = 6;
constexpr int impactFrame = 13;
constexpr uint32_t gaugeKeys = KeyBitDown | KeyBitAction;

bool pressesAButton(int virtualKey) {
    return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z') ||
           virtualKey == VK_APPS;
}

const wchar_t* clubSound(int club) {
    if (club == ClubWedge)
        return L"chip";
    return club == ClubPutter ? L"putt" : L"fullswing";
}
} // namespace

void GameCanvas::autoAim() {
    if (sceneSysMenu)
        sceneSysMenu->visible = false;
    placeBallForPlayer(activePlayer());
    const bool flagShown = grpFlag && grpFlag->visible;
    showMessage(*this, formatWide(L"Your ball is now aiming at the %ls", flagShown ? L"flag" : L"cup"),
                L"AIMING", MessageButtons::Ok, nullptr, false);
}

void GameCanvas::startCheckTarget() {
    takeCameraView(CameraView::Cup);
    checkingTarget = true;
    pauseEnvSound(checkTargetPause);
    playSound(L"mystic", 2);
}

void GameCanvas::endCheckTarget() {
    if (!checkingTarget)
        return;
    takeCameraView(CameraView::Aim);
    checkingTarget = false;
}

void GameCanvas::turnAim(bool turnRight, float angle) {
    if (!ball)
        return;
    ball->turnAim(turnRight, angle);
    runAimAnimation(true);
}

bool GameCanvas::gaugeReady() const {
    return gaugeRuler && gaugeRuler->visible && gauge.hasImage && !gauge.swinging;
}

void GameCanvas::pressGauge() {
    if (!gameLoaded || !gaugeReady() || !ball || !ball->isStill)
        return;
    if (gauge.power < 1)
        gauge.charging = true;
    else
        startSwing(gauge, lastDt);
    drawGaugeBar();
}

void GameCanvas::releaseGauge() {
    gauge.charging = false;
}

void GameCanvas::gaugeFrame(float step) {
    if (gauge.charging)
        chargeStep(gauge, step);
    else if (!gauge.chargedThisFrame && !gauge.swinging)
        drainBack(gauge, step);
    gauge.chargedThisFrame = false;
    if (swingStep(gauge)) {
        showNode(gaugePower, false);
        showNode(gaugeRuler, false);
        strike();
        resetGauge(gauge);
    }
    drawGaugeBar();
}

void GameCanvas::drawGaugeBar() {
    gauge.width = clampInt(gauge.width, 0, gaugeMaxWidth);
    if (!gaugePower)
        return;
    gaugePower->width = gauge.width;
    gaugePower->texture = gauge.hasImage ? gaugeImage : nullptr;
    gaugePower->color = gauge.hasImage ? noColor : swingBarColour;
}

void GameCanvas::strike() {
    Player& player = activePlayer();
    surfaceFactor = 1.0f;
    const int tapped = gauge.power;
    gauge.power = powerAfterLie(gauge.power, player.selectedClub, player.selectedSwingType, ball->isInbunker,
                                ball->isInRough);
    const Launch launch =
        launchOf(player.selectedClub, player.selectedSwingType, gauge.power, randomInt(-5, 5));
    surfaceFactor = launch.surfaceFactor;
    logStroke(*this, tapped, launch.strength);
    player.lastScoreIncrement = 0;
    addStroke(player);
    ++player.lastScoreIncrement;
    player.lastStrikePoint = ball->position;
    launchAngle = launch.angle;
    launchSpeed = launch.speed;
    if (player.selectedSwingType == SwingPutt && camera) {
        camera->setEye(ball->transform->transformPoint(puttCamera));
        takeCameraView(CameraView::Watch);
    }
    impactPending = true;
    setGolferAnimation(GolferMotion::Swing, player.selectedClub);
    // A golfer whose swing never reaches the impact frame must not hold the ball forever.
    if (!golferTexture_ || golferTexture_->frameCount <= impactFrame)
        onImpact();
}

void GameCanvas::onImpact() {
    if (!impactPending)
        return;
    impactPending = false;
    Player& player = activePlayer();
    showNameAndStrokes(player);
    ball->launch(launchSpeed, launchAngle);
    pauseEnvSound(impactPause);
    playSound(clubSound(player.selectedClub), 2);
    cameraHeld = 0.0f;
    cameraHold = impactCameraHold;
    if (ball->isInbunker && grpSandSplash) {
        grpSandSplash->transform.setTranslation(grpGolfer ? grpGolfer->transform.getTranslation()
                                                          : ball->position);
        grpSandSplash->visible = true;
        for (const auto& material : *grpSandSplash->materials) {
            if (material->texture) {
                material->texture->setFrame(0);
                material->texture->animationEnabled = true;
            }
        }
    }
}

void GameCanvas::aimByStylus(int x) {
    if (!lastMoveX_)
        lastMoveX_ = x;
    const float amount = static_cast<float>(std::abs(pressX_ - x)) * lastDt * stylusTurnRate;
    const bool turnRight = x - *lastMoveX_ < 1;
    turnAim(turnRight, amount);
    lastMoveX_ = x;
}

void GameCanvas::keyStep(float step) {
    if (!gameLoaded || gauge.swinging)
        return;
    const uint32_t held = keysHeld();
    const int released = lastReleasedKey();
    const uint32_t releasedBits = releasedKeyBits();
    // Digits, letters and the menu key press the page's buttons (shortcuts): that is all they do.
    if ((held == 0 && released == 0) || pressesAButton(released)) {
        turnRate = slowTurnRate;
        runAimAnimation(false);
        keysBefore_ = held;
        return;
    }
    if (isShown(sceneSysMenu) || isShown(sceneStrokeMenu) || isShown(sceneClubMenu)) {
        hideMenus();
        keysBefore_ = held;
        return;
    }
    endCheckTarget();
    if (isMessageOpen(*this)) {
        // The water's question needs its Yes or No; any key answers the others with OK.
        if (messageKey(*this) != L"WATER_HAZARD")
            answerMessage(okButton);
        keysBefore_ = held;
        return;
    }
    if (!isShown(sceneScorecard) && !isShown(sceneSaveGame) && gaugeReady() && ball && ball->isStill) {
        const bool left = held & KeyBitLeft;
        const bool right = held & KeyBitRight;
        if (left || right) {
            turnAim(right, turnRate * step);
            turnRate = std::min(turnRate + step * turnRateGrowth, fastTurnRate);
        } else {
            turnRate = slowTurnRate;
            runAimAnimation(false);
        }
        // Each gauge key's own first frame is a press, so the action key can play the power that
        // Down is still charging; a press shorter than a frame arrives as a release alone.
        const uint32_t tapped = releasedBits & gaugeKeys & ~keysBefore_;
        const bool pressed = ((held & ~keysBefore_) & gaugeKeys) || tapped;
        if (pressed) {
            if (gauge.power >= 1) {
                startSwing(gauge, lastDt);
            } else {
                resetGauge(gauge);
                chargeStep(gauge, step);
            }
            drawGaugeBar();
        } else if (held & gaugeKeys) {
            chargeStep(gauge, step);
            drawGaugeBar();
        }
    }
    keysBefore_ = held;
    if (released == VK_TAB)
        showFps = !showFps;
}

void GameCanvas::windStep() {
    if (windStrength != 0) {
        // Only the extremes of -4 ... 4 change the speed: the division rounds toward zero.
        windSpeed = clampInt(windStrength + randomInt(-4, 4) / 4, 0, maxWindSpeed);
    } else {
        windSpeed = 0;
    }
    if (windCondition != 0) {
        windDirection += randomFloat(-windDirectionDrift, windDirectionDrift);
        if (grpFlag) {
            const Vector3 stand = grpFlag->transform.getTranslation();
            grpFlag->transform = Matrix4::rotationY(kPi * 0.5f + windDirection);
            grpFlag->transform.setTranslation(stand);
        }
    }
}

} // namespace velmora
