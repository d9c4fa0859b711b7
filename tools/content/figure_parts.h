#pragma once
// Drawing primitives shared by the side and front figures: outlined limbs and blobs in the
// cartoon style (a dark outline around every part, parts drawn back to front).

#include "figure.h"

#include <cairo.h>
#include <cstdint>

namespace velmora::content::figure {

constexpr uint32_t kOutline = 0x1E1A24;
constexpr double kOutlineWidth = 5.0;
constexpr uint32_t kGlove = 0xFAFAFA;
constexpr uint32_t kShaft = 0xB8BEC8;
constexpr uint32_t kClubHead = 0x3A3F4A;

uint32_t darker(uint32_t rgb); // far-side limbs

// A rounded stroke from a to b of the given width, outlined.
void limb(cairo_t* cr, Vec a, Vec b, double width, uint32_t fill);
// A stroke through several points.
void limbPath(cairo_t* cr, const Vec* points, int count, double width, uint32_t fill);
// A filled, outlined ellipse turned by angle.
void blob(cairo_t* cr, Vec centre, double rx, double ry, double angle, uint32_t fill);
// Fills and outlines the current path.
void fillOutlined(cairo_t* cr, uint32_t fill);

// A shoe under the ankle, pointing along direction (1 = right, -1 = left, 0 = at the viewer);
// heelLift raises the heel about the toe.
void shoe(cairo_t* cr, Vec ankle, double direction, double heelLift, uint32_t colour);

void drawClub(cairo_t* cr, Club club, Vec hands, double angle, double shorten);

// Heads: centre of the skull, radius about 30; tilt turns the head.
void drawSideHead(cairo_t* cr, const Look& look, Vec centre, double tilt);
void drawFrontHead(cairo_t* cr, const Look& look, Vec centre, double tilt, Mouth mouth, Brows brows,
                   double eyesClosed);

} // namespace velmora::content::figure
