// The golfer seen from the side, facing right, holding a club in both hands.
#include "draw.h"
#include "figure_parts.h"

#include <cmath>

namespace velmora::content {

using namespace figure;

Vec limbJoint(Vec root, Vec tip, double upper, double lower, Vec hint) {
    const Vec d = tip - root;
    const double distance = std::hypot(d.x, d.y);
    if (distance < 1e-6)
        return root + Vec{hint.x, hint.y} * upper;
    if (distance >= upper + lower)
        return root + d * (upper / (upper + lower));
    const double base = std::atan2(d.y, d.x);
    const double cosine = (upper * upper + distance * distance - lower * lower) / (2 * upper * distance);
    const double spread = std::acos(std::max(-1.0, std::min(1.0, cosine)));
    const Vec a = root + Vec{std::cos(base + spread), std::sin(base + spread)} * upper;
    const Vec b = root + Vec{std::cos(base - spread), std::sin(base - spread)} * upper;
    auto along = [&](Vec joint) { return (joint.x - root.x) * hint.x + (joint.y - root.y) * hint.y; };
    return along(a) >= along(b) ? a : b;
}

namespace {

constexpr double kTorso = 122;
constexpr double kThigh = 102, kShin = 100;
constexpr double kUpperArm = 76, kForearm = 70;

struct Leg {
    Vec hip, knee, ankle;
};

void drawLeg(cairo_t* cr, const Look& look, const Leg& leg, bool far) {
    const uint32_t trousers = far ? darker(look.trousers) : look.trousers;
    const uint32_t skin = far ? darker(look.skin) : look.skin;
    limb(cr, leg.knee, leg.ankle, 26, look.skirt ? skin : trousers);
    limb(cr, leg.hip, leg.knee, 34 * look.build, look.skirt ? skin : trousers);
}

void drawArm(cairo_t* cr, const Look& look, Vec shoulder, Vec hand, bool far, bool gloved) {
    const Vec elbow = limbJoint(shoulder, hand, kUpperArm, kForearm, {0.3, 1});
    limb(cr, elbow, hand, 17, far ? darker(look.skin) : look.skin);
    limb(cr, shoulder, elbow, 23, far ? darker(look.shirt) : look.shirt);
    blob(cr, hand, 11, 10, 0,
         gloved ? (far ? darker(kGlove) : kGlove) : (far ? darker(look.skin) : look.skin));
}

} // namespace

void drawSideFigure(cairo_t* cr, const Look& look, Club club, const SidePose& pose) {
    const Vec up{std::sin(pose.spine), -std::cos(pose.spine)};
    const Vec shoulder = pose.pelvis + up * kTorso;
    const double headAngle = pose.spine * 0.55 + pose.head;
    const Vec headCentre = shoulder + up * 14 + Vec{std::sin(headAngle), -std::cos(headAngle)} * 38;
    const Vec farShoulder = shoulder + Vec{-7, 4};
    const Vec clubDirection{std::cos(pose.clubAngle), std::sin(pose.clubAngle)};
    // The lead (left) hand grips above the trail hand.
    const Vec leadHand = pose.hands - clubDirection * 5;
    const Vec trailHand = pose.hands + clubDirection * 13;

    Leg farLeg{pose.pelvis + Vec{-7, -2}, {}, pose.farFoot};
    Leg nearLeg{pose.pelvis + Vec{7, 3}, {}, pose.nearFoot};
    farLeg.knee = limbJoint(farLeg.hip, farLeg.ankle, kThigh, kShin, {1, 0});
    nearLeg.knee = limbJoint(nearLeg.hip, nearLeg.ankle, kThigh, kShin, {1, 0});

    drawArm(cr, look, farShoulder, leadHand, true, true);
    drawLeg(cr, look, farLeg, true);
    shoe(cr, farLeg.ankle, 1, 0, darker(look.shoes));
    drawClub(cr, club, pose.hands, pose.clubAngle, pose.clubShorten);
    limb(cr, shoulder, shoulder + up * 24, 19, look.skin); // neck
    // Torso: a capsule from the hips to the shoulders; the back shows more as the chest turns away.
    const double chest = (60 + 10 * pose.chestTurn) * look.build;
    limb(cr, pose.pelvis + up * 8, shoulder - up * 6, chest, look.shirt);
    limb(cr, pose.pelvis + up * 2 - Vec{up.y, -up.x} * 1, pose.pelvis + up * 2 + Vec{up.y, -up.x} * 1,
         chest * 0.98, look.skirt ? look.trousers : shade(look.trousers, 0.9)); // belt line
    drawLeg(cr, look, nearLeg, false);
    shoe(cr, nearLeg.ankle, 1, pose.nearHeel, look.shoes);
    if (look.skirt) {
        const Vec across{-up.y, up.x};
        cairo_new_path(cr);
        const Vec waistBack = pose.pelvis + up * 6 - across * 0 + Vec{-30, 0} * look.build;
        const Vec waistFront = pose.pelvis + up * 6 + Vec{30, 0} * look.build;
        const Vec hemFront = lerp(nearLeg.hip, nearLeg.knee, 0.6) + Vec{26, 4};
        const Vec hemBack = lerp(farLeg.hip, farLeg.knee, 0.6) + Vec{-30, 4};
        cairo_move_to(cr, waistBack.x, waistBack.y);
        cairo_line_to(cr, waistFront.x, waistFront.y);
        cairo_line_to(cr, hemFront.x, hemFront.y);
        cairo_line_to(cr, hemBack.x, hemBack.y);
        cairo_close_path(cr);
        fillOutlined(cr, look.trousers);
    }
    // With the hands up (top of the backswing, the finish) the arms pass behind the head.
    const bool handsHigh = pose.hands.y < shoulder.y;
    if (handsHigh)
        drawArm(cr, look, shoulder, trailHand, false, false);
    drawSideHead(cr, look, headCentre, headAngle * 0.6 + 0.1);
    if (!handsHigh)
        drawArm(cr, look, shoulder, trailHand, false, false);
}

} // namespace velmora::content
