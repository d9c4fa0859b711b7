// The golfer seen from the front (reactions) and the head-and-shoulders portrait.
#include "draw.h"
#include "figure_parts.h"

#include <cmath>

namespace velmora::content {

using namespace figure;

namespace {

constexpr double kFrontTorso = 118;
constexpr double kFrontThigh = 100, kFrontShin = 98;
constexpr double kFrontUpperArm = 72, kFrontForearm = 66;

Vec rotateAbout(Vec p, Vec centre, double angle) {
    const Vec d = p - centre;
    return centre +
           Vec{d.x * std::cos(angle) - d.y * std::sin(angle), d.x * std::sin(angle) + d.y * std::cos(angle)};
}

void polygon(cairo_t* cr, std::initializer_list<Vec> points, uint32_t fill) {
    cairo_new_path(cr);
    for (Vec p : points)
        cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
    fillOutlined(cr, fill);
}

} // namespace

void drawFrontFigure(cairo_t* cr, const Look& look, const FrontPose& pose) {
    const double b = look.build;
    const Vec pelvis{128, 292 - pose.lift + pose.crouch};
    const Vec leftHip = pelvis + Vec{22 * b, 0}, rightHip = pelvis + Vec{-22 * b, 0};
    // The upper body turns about the pelvis by lean.
    auto body = [&](Vec p) { return rotateAbout(p, pelvis, pose.lean); };
    const double shoulderY = pelvis.y - kFrontTorso - pose.shrug;
    const Vec leftShoulder = body({128 + 44 * b, shoulderY + 6});
    const Vec rightShoulder = body({128 - 44 * b, shoulderY + 6});
    const Vec neck = body({128, shoulderY - 6});
    const Vec headCentre = body({128, shoulderY - 46 + pose.shrug * 0.6});
    const Vec lift{0, -pose.lift};

    // Legs and shoes.
    for (int side : {-1, 1}) {
        const Vec hip = side > 0 ? leftHip : rightHip;
        const Vec foot = (side > 0 ? pose.leftFoot : pose.rightFoot) + lift;
        const Vec knee = limbJoint(hip, foot, kFrontThigh, kFrontShin, {double(side), 0});
        const uint32_t legColour = look.skirt ? look.skin : look.trousers;
        limb(cr, knee, foot, 27, legColour);
        limb(cr, hip, knee, 35 * b, legColour);
        shoe(cr, foot, 0, 0, look.shoes);
    }
    // Hips and torso.
    polygon(cr,
            {body({128 - 36 * b, pelvis.y - 26}), body({128 + 36 * b, pelvis.y - 26}),
             pelvis + Vec{34 * b, 14}, pelvis + Vec{-34 * b, 14}},
            look.trousers);
    if (look.skirt)
        polygon(cr,
                {body({128 - 33 * b, pelvis.y - 22}), body({128 + 33 * b, pelvis.y - 22}),
                 pelvis + Vec{46 * b, 46}, pelvis + Vec{-46 * b, 46}},
                look.trousers);
    limb(cr, neck, neck + Vec{0, -20}, 20, look.skin);
    polygon(cr,
            {rightShoulder + Vec{-6, -4}, leftShoulder + Vec{6, -4}, body({128 + 36 * b, pelvis.y - 22}),
             body({128 - 36 * b, pelvis.y - 22})},
            look.shirt);
    // Collar.
    polygon(cr, {neck + Vec{-14, 2}, neck + Vec{0, 16}, neck + Vec{14, 2}, neck + Vec{0, 6}},
            shade(look.shirt, 1.35));
    drawFrontHead(cr, look, headCentre, pose.lean + pose.headTilt, pose.mouth, pose.brows, pose.eyesClosed);
    // The club, held in the golfer's right hand (the viewer's left), behind that hand.
    if (pose.clubInRightHand) {
        const Vec hand = pose.rightHand + lift;
        drawClub(cr, Club::Driver, hand, pose.clubAngle, 1.0);
    }
    for (int side : {-1, 1}) {
        const Vec shoulder = side > 0 ? leftShoulder : rightShoulder;
        const Vec hand = (side > 0 ? pose.leftHand : pose.rightHand) + lift;
        const Vec elbow = limbJoint(shoulder, hand, kFrontUpperArm, kFrontForearm, {double(side), 0.6});
        limb(cr, elbow, hand, 19, look.skin);
        limb(cr, shoulder, elbow, 26, look.shirt);
        blob(cr, hand, 12, 12, 0, side > 0 ? kGlove : look.skin);
    }
}

void drawPortraitBust(cairo_t* cr, const Look& look, double eyesClosed) {
    const double b = look.build;
    // Shoulders and chest.
    cairo_new_path(cr);
    cairo_move_to(cr, -62 * b, 110);
    cairo_curve_to(cr, -62 * b, 50, -40 * b, 38, 0, 36);
    cairo_curve_to(cr, 40 * b, 38, 62 * b, 50, 62 * b, 110);
    cairo_close_path(cr);
    fillOutlined(cr, look.shirt);
    limb(cr, {0, 40}, {0, 10}, 26, look.skin);
    polygon(cr, {{-18, 36}, {0, 58}, {18, 36}, {0, 44}}, shade(look.shirt, 1.35));
    cairo_save(cr);
    cairo_scale(cr, 1.1, 1.1);
    drawFrontHead(cr, look, {0, -16}, 0, Mouth::Smile, Brows::Normal, eyesClosed);
    cairo_restore(cr);
}

} // namespace velmora::content
