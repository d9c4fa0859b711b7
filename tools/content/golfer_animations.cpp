#include "golfer_animations.h"

#include "canvas.h"

#include <cmath>
#include <functional>

namespace velmora::content {
namespace {

// Frame delays in hundredths: 4k - 1 keeps a frame on screen for exactly k frames at 25 a second.
constexpr int kOne = 3, kTwo = 7, kThree = 11;

template <typename Pose> struct Key {
    int frame;
    Pose pose;
};

double ease(double t) {
    return t * t * (3 - 2 * t);
}

SidePose blend(const SidePose& a, const SidePose& b, double t) {
    auto mix = [t](double x, double y) { return x + (y - x) * t; };
    SidePose p;
    p.pelvis = lerp(a.pelvis, b.pelvis, t);
    p.spine = mix(a.spine, b.spine);
    p.head = mix(a.head, b.head);
    p.farFoot = lerp(a.farFoot, b.farFoot, t);
    p.nearFoot = lerp(a.nearFoot, b.nearFoot, t);
    p.nearHeel = mix(a.nearHeel, b.nearHeel);
    p.hands = lerp(a.hands, b.hands, t);
    p.clubAngle = mix(a.clubAngle, b.clubAngle);
    p.clubShorten = mix(a.clubShorten, b.clubShorten);
    p.chestTurn = mix(a.chestTurn, b.chestTurn);
    return p;
}

FrontPose blend(const FrontPose& a, const FrontPose& b, double t) {
    auto mix = [t](double x, double y) { return x + (y - x) * t; };
    FrontPose p = t < 0.5 ? a : b; // face and club switch half way
    p.lift = mix(a.lift, b.lift);
    p.crouch = mix(a.crouch, b.crouch);
    p.lean = mix(a.lean, b.lean);
    p.shrug = mix(a.shrug, b.shrug);
    p.headTilt = mix(a.headTilt, b.headTilt);
    p.leftHand = lerp(a.leftHand, b.leftHand, t);
    p.rightHand = lerp(a.rightHand, b.rightHand, t);
    p.leftFoot = lerp(a.leftFoot, b.leftFoot, t);
    p.rightFoot = lerp(a.rightFoot, b.rightFoot, t);
    p.eyesClosed = mix(a.eyesClosed, b.eyesClosed);
    p.clubAngle = mix(a.clubAngle, b.clubAngle);
    return p;
}

template <typename Pose> std::vector<Pose> sequence(const std::vector<Key<Pose>>& keys, int frames) {
    std::vector<Pose> poses;
    size_t k = 0;
    for (int f = 0; f < frames; ++f) {
        while (k + 1 < keys.size() && keys[k + 1].frame <= f)
            ++k;
        if (k + 1 >= keys.size()) {
            poses.push_back(keys[k].pose);
            continue;
        }
        const double t = double(f - keys[k].frame) / (keys[k + 1].frame - keys[k].frame);
        poses.push_back(blend(keys[k].pose, keys[k + 1].pose, ease(t)));
    }
    return poses;
}

// Renders in the design space, four times supersampled; transform maps design units onto the
// picture (the putt is drawn smaller, see below).
Picture renderFrame(const std::function<void(cairo_t*)>& draw, double scale = 0.25, Vec shift = {}) {
    Canvas canvas(kGolferWidth, kGolferHeight, 4);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, shift.x, shift.y);
    cairo_scale(cr, scale, scale);
    draw(cr);
    Picture picture = canvas.picture();
    hardenAlpha(picture, 100);
    return picture;
}

// --- Side-on poses -------------------------------------------------------------------------

SidePose address(double forward, Vec hands, double clubAngle) {
    SidePose p;
    p.pelvis = {88 + forward, 300};
    p.spine = 0.62;
    p.head = 0.35;
    p.farFoot = {116 + forward, 488};
    p.nearFoot = {128 + forward, 490};
    p.hands = hands;
    p.clubAngle = clubAngle;
    return p;
}

SidePose with(SidePose p, Vec hands, double clubAngle, double spine, double head) {
    p.hands = hands;
    p.clubAngle = clubAngle;
    p.spine = spine;
    p.head = head;
    return p;
}

std::vector<SidePose> drivePoses() {
    const SidePose start = address(0, {160, 318}, 1.107);
    SidePose top = with(start, {118, 150}, 3.4, 0.55, 0.4);
    top.clubShorten = 0.6;
    top.chestTurn = 0.5;
    SidePose half = with(start, {126, 236}, 3.2, 0.58, 0.38);
    half.clubShorten = 0.55;
    SidePose impact = with(start, {166, 320}, 1.08, 0.6, 0.38);
    impact.pelvis = {94, 292};
    SidePose through = with(impact, {186, 214}, -1.45, 0.3, 0.1);
    through.chestTurn = 0.6;
    through.nearHeel = 0.6;
    SidePose finish = with(through, {98, 122}, -3.7, 0.06, -0.12);
    finish.pelvis = {106, 284};
    finish.clubShorten = 0.62;
    finish.chestTurn = 1;
    finish.nearHeel = 1;
    return sequence<SidePose>({{0, start},
                               {2, with(start, {156, 318}, 1.15, 0.62, 0.35)},
                               {4, start},
                               {6, with(start, {136, 310}, 1.95, 0.61, 0.36)},
                               {8, half},
                               {9, top},
                               {10, top},
                               {11, with(half, {126, 250}, 2.7, 0.58, 0.38)},
                               {12, with(start, {150, 304}, 1.75, 0.6, 0.38)},
                               {13, impact},
                               {15, with(impact, {196, 300}, 0.15, 0.5, 0.3)},
                               {17, through},
                               {19, finish},
                               {23, finish}},
                              24);
}

std::vector<SidePose> chipPoses() {
    const SidePose start = address(8, {170, 330}, 1.14);
    SidePose impact = with(start, {174, 330}, 1.12, 0.62, 0.38);
    SidePose finish = with(start, {210, 250}, -0.8, 0.45, 0.2);
    finish.chestTurn = 0.4;
    finish.nearHeel = 0.35;
    return sequence<SidePose>({{0, start},
                               {3, with(start, {167, 330}, 1.2, 0.62, 0.35)},
                               {5, start},
                               {8, with(start, {142, 300}, 2.3, 0.6, 0.36)},
                               {10, with(start, {128, 262}, 2.95, 0.58, 0.38)},
                               {11, with(start, {134, 276}, 2.7, 0.58, 0.38)},
                               {12, with(start, {156, 318}, 1.75, 0.6, 0.38)},
                               {13, impact},
                               {15, with(impact, {200, 306}, 0.3, 0.55, 0.32)},
                               {18, finish},
                               {21, finish}},
                              22);
}

SidePose puttAddress(double handsX, double clubAngle) {
    SidePose p;
    p.pelvis = {180, 310};
    p.spine = 0.5;
    p.head = 0.55;
    p.farFoot = {190, 488};
    p.nearFoot = {200, 490};
    p.hands = {handsX, 350};
    p.clubAngle = clubAngle;
    return p;
}

std::vector<SidePose> puttPoses() {
    // A pendulum: the putter swings back and through about the shoulders.
    const SidePose start = puttAddress(232, 1.44);
    return sequence<SidePose>({{0, start},
                               {4, start},
                               {6, puttAddress(231, 1.5)},
                               {9, puttAddress(220, 1.8)},
                               {10, puttAddress(218, 1.85)},
                               {12, puttAddress(226, 1.6)},
                               {13, puttAddress(233, 1.43)},
                               {16, puttAddress(244, 1.1)},
                               {19, puttAddress(246, 1.05)}},
                              20);
}

std::vector<SidePose> aimPoses() {
    const SidePose start = address(0, {160, 318}, 1.107);
    SidePose back = with(start, {156, 317}, 1.19, 0.62, 0.35);
    SidePose forward = with(start, {163, 319}, 1.05, 0.62, 0.33);
    forward.pelvis = {90, 292};
    SidePose shuffle = start;
    shuffle.nearHeel = 0.12;
    shuffle.pelvis = {86, 292};
    return sequence<SidePose>({{0, start}, {2, back}, {4, forward}, {6, shuffle}, {7, start}}, 8);
}

// --- Front-on poses ------------------------------------------------------------------------

FrontPose standing(Mouth mouth) {
    FrontPose p;
    p.rightFoot = {104, 490};
    p.leftFoot = {152, 490};
    p.rightHand = {80, 296};
    p.leftHand = {176, 296};
    p.mouth = mouth;
    p.clubAngle = 1.85;
    return p;
}

FrontPose armsUp(FrontPose p, double lift) {
    p.lift = lift;
    p.crouch = 0;
    p.rightHand = {58, 122};
    p.leftHand = {198, 122};
    p.clubAngle = -1.9;
    p.mouth = Mouth::Grin;
    p.brows = Brows::Raised;
    return p;
}

FrontPose crouched(FrontPose p, double crouch) {
    p.crouch = crouch;
    p.lift = 0;
    p.rightFoot = {100, 490};
    p.leftFoot = {156, 490};
    return p;
}

std::vector<FrontPose> cheerfulPoses() {
    const FrontPose base = standing(Mouth::Smile);
    FrontPose ready = crouched(base, 24);
    ready.rightHand = {84, 318};
    ready.leftHand = {172, 318};
    ready.mouth = Mouth::Open;
    FrontPose hold = armsUp(base, 0);
    hold.eyesClosed = 1;
    FrontPose pump = hold;
    pump.leftHand = {186, 212};
    pump.eyesClosed = 0;
    FrontPose wave = standing(Mouth::Grin);
    wave.leftHand = {196, 150};
    return sequence<FrontPose>({{0, base},
                                {2, ready},
                                {4, armsUp(base, 44)},
                                {6, crouched(armsUp(base, 0), 14)},
                                {8, armsUp(base, 30)},
                                {10, crouched(armsUp(base, 0), 10)},
                                {12, hold},
                                {13, hold},
                                {15, pump},
                                {16, hold},
                                {18, wave},
                                {19, standing(Mouth::Grin)}},
                               20);
}

std::vector<FrontPose> angryPoses() {
    FrontPose base = standing(Mouth::Flat);
    FrontPose tense = base;
    tense.shrug = 8;
    tense.brows = Brows::Angry;
    tense.mouth = Mouth::Frown;
    tense.rightHand = {88, 286};
    tense.leftHand = {168, 286};
    FrontPose raise = tense;
    raise.rightHand = {92, 128};
    raise.clubAngle = -1.95;
    raise.leftHand = {162, 262};
    raise.leftFoot = {154, 458};
    raise.mouth = Mouth::Shout;
    FrontPose slam = crouched(tense, 12);
    slam.rightHand = {96, 334};
    slam.clubAngle = 2.1;
    slam.mouth = Mouth::Shout;
    FrontPose crossed = tense;
    crossed.clubInRightHand = false;
    crossed.rightHand = {150, 232};
    crossed.leftHand = {104, 236};
    crossed.headTilt = -0.14;
    crossed.shrug = 4;
    FrontPose shake = crossed;
    shake.headTilt = 0.14;
    return sequence<FrontPose>({{0, base},
                                {2, tense},
                                {4, raise},
                                {6, slam},
                                {8, raise},
                                {10, slam},
                                {12, crossed},
                                {13, crossed},
                                {15, shake},
                                {16, crossed},
                                {17, shake},
                                {19, base}},
                               20);
}

std::vector<FrontPose> indifferentPoses() {
    const FrontPose base = standing(Mouth::Flat);
    FrontPose shrug = base;
    shrug.shrug = 16;
    shrug.rightHand = {56, 246};
    shrug.leftHand = {200, 246};
    shrug.clubInRightHand = false;
    shrug.headTilt = 0.2;
    shrug.brows = Brows::Raised;
    FrontPose scratch = base;
    scratch.leftHand = {164, 132};
    scratch.headTilt = -0.1;
    scratch.mouth = Mouth::Frown;
    FrontPose hips = base;
    hips.rightHand = {92, 262};
    hips.leftHand = {164, 262};
    hips.clubAngle = 2.3;
    hips.eyesClosed = 0.45;
    hips.headTilt = 0.08;
    FrontPose sigh = hips;
    sigh.shrug = 6;
    sigh.eyesClosed = 1;
    return sequence<FrontPose>({{0, base},
                                {3, shrug},
                                {5, shrug},
                                {7, base},
                                {9, scratch},
                                {10, scratch},
                                {12, hips},
                                {13, hips},
                                {15, sigh},
                                {17, hips},
                                {19, base}},
                               20);
}

Animation sideAnimation(const char* name, const Look& look, Club club, const std::vector<SidePose>& poses,
                        std::vector<int> delays, double scale = 0.25, Vec shift = {}) {
    Animation animation{name, {}, std::move(delays)};
    for (const SidePose& pose : poses)
        animation.frames.push_back(
            renderFrame([&](cairo_t* cr) { drawSideFigure(cr, look, club, pose); }, scale, shift));
    return animation;
}

Animation frontAnimation(const char* name, const Look& look, const std::vector<FrontPose>& poses) {
    Animation animation{name, {}, std::vector<int>(poses.size(), kTwo)};
    for (const FrontPose& pose : poses)
        animation.frames.push_back(renderFrame([&](cairo_t* cr) { drawFrontFigure(cr, look, pose); }));
    animation.delays.back() = kThree;
    return animation;
}

// Address, waggle, a quick backswing, a held top, a fast downswing to the ball on frame 13, then
// the follow-through and a held finish: about 0.8 s to the impact.
std::vector<int> swingDelays(int frames) {
    std::vector<int> delays = {kThree, kTwo, kTwo, kTwo, kTwo, kOne, kOne,
                               kOne,   kOne, kTwo, kOne, kOne, kOne, kOne};
    while (int(delays.size()) < frames)
        delays.push_back(int(delays.size()) < frames - 4 ? kOne : kThree);
    return delays;
}

} // namespace

SidePose finishPose() {
    return drivePoses().back();
}

Picture stanceFrame(const Look& look) {
    const SidePose pose = aimPoses().front();
    return renderFrame([&](cairo_t* cr) { drawSideFigure(cr, look, Club::Driver, pose); });
}

double secondsToReach(const std::vector<int>& delays, int frame) {
    double seconds = 0;
    for (int f = 0; f < frame && f < int(delays.size()); ++f) {
        int drawn = 1;
        while (drawn * 0.04 <= delays[f] * 0.01 + 1e-9)
            ++drawn;
        seconds += drawn * 0.04;
    }
    return seconds;
}

std::vector<Animation> golferAnimations(const Look& look) {
    // The putt picture stands further right in the game (the ball lies a third of the way in from
    // its left edge), so the golfer is drawn a little smaller to fit beside the ball.
    constexpr double kPuttScale = 0.25 * 0.78;
    const Vec puttShift{kGolferWidth * 0.65 / 1.9 - 250 * kPuttScale, kGround / 4 - kGround * kPuttScale};
    std::vector<Animation> animations;
    animations.push_back(sideAnimation("drive", look, Club::Driver, drivePoses(), swingDelays(24)));
    animations.push_back(sideAnimation("chip", look, Club::Wedge, chipPoses(), swingDelays(22)));
    animations.push_back(
        sideAnimation("putt", look, Club::Putter, puttPoses(), swingDelays(20), kPuttScale, puttShift));
    animations.push_back(sideAnimation("aim", look, Club::Driver, aimPoses(), std::vector<int>(8, kTwo)));
    animations.push_back(frontAnimation("exp_angry", look, angryPoses()));
    animations.push_back(frontAnimation("exp_cheerful", look, cheerfulPoses()));
    animations.push_back(frontAnimation("exp_indifferent", look, indifferentPoses()));
    return animations;
}

} // namespace velmora::content
