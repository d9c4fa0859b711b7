#include "prop_models.h"

#include "canvas.h"
#include "draw.h"
#include "figure.h"
#include "golfer_animations.h"
#include "hole_plan.h"
#include "random.h"

#include <cmath>
#include <cstdio>

namespace velmora::content {
namespace {

constexpr double tau = 2 * M_PI;

// Builds one object: vertices with their mapping, faces counter-clockwise seen from outside.
class MeshMaker {
public:
    MeshMaker(std::string name, std::string material) {
        object_.name = std::move(name);
        object_.material = std::move(material);
    }
    uint16_t vertex(double x, double y, double z, double u, double v) {
        object_.vertices.push_back({float(x), float(y), float(z)});
        object_.mapping.push_back({float(u), float(v)});
        return uint16_t(object_.vertices.size() - 1);
    }
    void triangle(uint16_t a, uint16_t b, uint16_t c) { object_.faces.push_back({a, b, c}); }
    void quad(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
        triangle(a, b, c);
        triangle(a, c, d);
    }
    // A flat four-cornered face from corner points, counter-clockwise seen from outside, the picture
    // stretched over it (its bottom edge from a to b).
    void face(const Point3ds& a, const Point3ds& b, const Point3ds& c, const Point3ds& d) {
        // One declaration: its vertices are made in this order (call arguments have none).
        const uint16_t i = vertex(a.x, a.y, a.z, 0, 0), j = vertex(b.x, b.y, b.z, 1, 0),
                       k = vertex(c.x, c.y, c.z, 1, 1), l = vertex(d.x, d.y, d.z, 0, 1);
        quad(i, j, k, l);
    }
    // A box between two corners, every side facing out.
    void box(Point3ds lo, Point3ds hi) {
        face({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}); // -Y
        face({hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}); // +Y
        face({hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z}); // +X
        face({lo.x, hi.y, lo.z}, {lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {lo.x, hi.y, hi.z}); // -X
        face({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}); // top
        face({lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, lo.y, lo.z}, {lo.x, lo.y, lo.z}); // bottom
    }
    // A round column from z0 (radius r0) to z1 (radius r1), with caps, the picture wrapped once.
    void column(double r0, double z0, double r1, double z1, int sides) {
        const uint16_t first = uint16_t(object_.vertices.size());
        for (int i = 0; i <= sides; ++i) {
            const double a = tau * i / sides;
            vertex(r0 * std::cos(a), r0 * std::sin(a), z0, double(i) / sides, 0);
            vertex(r1 * std::cos(a), r1 * std::sin(a), z1, double(i) / sides, 1);
        }
        for (int i = 0; i < sides; ++i) {
            const uint16_t a = uint16_t(first + 2 * i);
            quad(a, uint16_t(a + 2), uint16_t(a + 3), uint16_t(a + 1));
        }
        disc(r1, z1, sides, true);
        disc(r0, z0, sides, false);
    }
    // A flat disc around the Z axis facing up (or down), the picture's square spread over it.
    void disc(double r, double z, int sides, bool up) {
        const uint16_t centre = vertex(0, 0, z, 0.5, 0.5);
        const uint16_t first = uint16_t(object_.vertices.size());
        for (int i = 0; i < sides; ++i) {
            const double a = tau * i / sides;
            vertex(r * std::cos(a), r * std::sin(a), z, 0.5 + 0.5 * std::cos(a), 0.5 + 0.5 * std::sin(a));
        }
        for (int i = 0; i < sides; ++i) {
            const uint16_t a = uint16_t(first + i), b = uint16_t(first + (i + 1) % sides);
            up ? triangle(centre, a, b) : triangle(centre, b, a);
        }
    }
    Object3ds take() { return std::move(object_); }

private:
    Object3ds object_;
};

Object3ds sphere(const char* name, const char* material, int rings, int sides) {
    MeshMaker mesh(name, material);
    for (int i = 0; i <= rings; ++i) {
        const double phi = -tau / 4 + tau / 2 * i / rings;
        for (int j = 0; j <= sides; ++j) {
            const double theta = tau * j / sides;
            mesh.vertex(std::cos(phi) * std::cos(theta), std::cos(phi) * std::sin(theta), std::sin(phi),
                        double(j) / sides, double(i) / rings);
        }
    }
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < sides; ++j) {
            const auto at = [&](int r, int s) { return uint16_t(r * (sides + 1) + s); };
            mesh.quad(at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i + 1, j));
        }
    }
    return mesh.take();
}

// The aim arrow lies flat under the ball (radius 1) and points forward, along file -Y.
Object3ds arrow() {
    MeshMaker mesh("arrow", "m_arrow");
    const double z = -1;
    mesh.face({-0.45f, -9.0f, float(z)}, {0.45f, -9.0f, float(z)}, {0.45f, -1.3f, float(z)},
              {-0.45f, -1.3f, float(z)});
    const uint16_t left = mesh.vertex(-1.6, -9, z, 0, 0), tip = mesh.vertex(0, -13, z, 0.5, 1),
                   right = mesh.vertex(1.6, -9, z, 1, 0);
    mesh.triangle(left, tip, right);
    return mesh.take();
}

Material3ds material(const char* name, const char* map, bool twoSided = false) {
    return {name, 0xFFFFFF, map, twoSided};
}

Model3ds ballModel() {
    return {{material("m_ball", "ballDimples.jpg"), material("m_arrow", "arrowMark.jpg", true)},
            {sphere("ball", "m_ball", 8, 12), arrow()}};
}

// The pole's foot at the origin, its axis the centre of its box; the cloth toward file +X.
Model3ds flagModel() {
    MeshMaker pole("flagpole", "m_flagpole");
    pole.box({-0.06f, -0.06f, 0.0f}, {0.06f, 0.06f, 7.0f});
    MeshMaker cloth("flag", "m_flag");
    const int columns = 4, rows = 3;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i)
            cloth.vertex(0.06 + 2.4 * i / columns, 0, 5.3 + 1.7 * j / rows, double(i) / columns,
                         double(j) / rows);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            const auto at = [&](int c, int r) { return uint16_t(r * (columns + 1) + c); };
            cloth.quad(at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1));
        }
    return {{material("m_flagpole", "flagPole.jpg"), material("m_flag", "flagCloth.jpg", true)},
            {pole.take(), cloth.take()}};
}

Model3ds cupModel() {
    MeshMaker cup("cup", "m_cup");
    cup.disc(1, 0, 24, true);
    return {{material("m_cup", "cupHole.jpg")}, {cup.take()}};
}

Model3ds teeModel() {
    MeshMaker peg("tee", "m_tee");
    peg.column(0.03, 0, 0.1, 0.22, 8);
    peg.column(0.1, 0.22, 0.1, 0.8, 8);
    peg.column(0.12, 0.8, 0.3, 0.95, 10);
    return {{material("m_tee", "teePeg.jpg")}, {peg.take()}};
}

// An arrow pointing forward (file -Y) with a tail plate.
Model3ds vaneModel() {
    MeshMaker vane("vane", "m_vane");
    vane.box({-0.12f, -0.4f, -0.12f}, {0.12f, 1.6f, 0.12f});
    vane.box({-0.05f, 1.0f, -0.55f}, {0.05f, 1.7f, 0.55f});
    const double z = 0.12, w = 0.5;
    const uint16_t tip = vane.vertex(0, -1.6, 0, 0.5, 1);
    const uint16_t left = vane.vertex(-w, -0.4, 0, 0, 0), right = vane.vertex(w, -0.4, 0, 1, 0);
    const uint16_t top = vane.vertex(0, -0.4, z, 0.5, 0), bottom = vane.vertex(0, -0.4, -z, 0.5, 0);
    vane.triangle(tip, left, top);
    vane.triangle(tip, top, right);
    vane.triangle(tip, bottom, left);
    vane.triangle(tip, right, bottom);
    vane.quad(left, bottom, right, top);
    return {{material("m_vane", "vaneArrow.jpg")}, {vane.take()}};
}

// A picture quad standing in the file's X-Z plane, seen unmirrored from +Y: u grows toward -X.
Object3ds standingQuad(const char* name, const char* materialName, double halfWidth, double halfHeight) {
    MeshMaker quad(name, materialName);
    const uint16_t a = quad.vertex(halfWidth, 0, -halfHeight, 0, 0),
                   b = quad.vertex(-halfWidth, 0, -halfHeight, 1, 0),
                   c = quad.vertex(-halfWidth, 0, halfHeight, 1, 1),
                   d = quad.vertex(halfWidth, 0, halfHeight, 0, 1);
    quad.quad(a, b, c, d);
    return quad.take();
}

Picture filled(int w, int h, uint32_t colour) {
    return Picture(w, h, opaque(colour));
}

Picture ballPicture() {
    Picture picture = filled(64, 32, 0xF4F6F8);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            if ((x / 2 + y / 2) % 3 == 0 && (x + y) % 2 == 0)
                picture.at(x, y) = opaque(0xD2D8DE);
            // Two coloured lines round the ball, so that its spin shows.
            if ((x >= 14 && x < 18) || (x >= 46 && x < 50))
                picture.at(x, y) = opaque(0xE0402A);
        }
    return picture;
}

Picture bandedPicture(int w, int h, uint32_t a, uint32_t b, int bands) {
    Picture picture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.at(x, y) = opaque((y * bands / h) % 2 ? a : b);
    return picture;
}

Picture clothPicture() {
    Canvas canvas(64, 32);
    cairo_t* cr = canvas.cr();
    setColour(cr, 0xE8302A);
    cairo_paint(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 32, 16, 8, 0, tau);
    setColour(cr, 0xFFE14A);
    cairo_fill(cr);
    return flatten(canvas.picture(), opaque(0xE8302A));
}

Picture cupPicture() {
    Picture picture(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double r = std::hypot(x + 0.5 - 16, y + 0.5 - 16) / 16;
            picture.at(x, y) = opaque(r < 0.74 ? 0x101410 : (r < 0.84 ? 0x3A3A36 : 0xF4F4F0));
        }
    return picture;
}

std::vector<Picture> sandSplashFrames() {
    std::vector<Picture> frames;
    const int count = 8;
    for (int f = 0; f < count; ++f) {
        Canvas canvas(64, 64, 2);
        cairo_t* cr = canvas.cr();
        Random random(77);
        const double t = double(f + 1) / count;
        for (int i = 0; i < 70; ++i) {
            const double a = random.range(0.15, 0.85) * M_PI, speed = random.range(0.4, 1.0);
            const double x = 32 + std::cos(a) * speed * 30 * t;
            const double y = 62 - std::sin(a) * speed * 70 * t + 60 * t * t;
            if (y > 63 || random.unit() < t * 0.6)
                continue;
            cairo_new_path(cr);
            cairo_arc(cr, x, y, random.range(1.0, 2.2), 0, tau);
            setColour(cr, random.chance(0.5) ? 0xE6D3A0 : 0xC9B27C);
            cairo_fill(cr);
        }
        Picture frame = canvas.picture();
        hardenAlpha(frame, 128);
        frames.push_back(frame);
    }
    return frames;
}

} // namespace

std::vector<PropFile> propModels() {
    Model3ds golfer{{material("m_golfer", "golferStand.gif", true)},
                    {standingQuad("golfer", "m_golfer", 0.5, 1.0)}};
    Model3ds splash{{material("m_splash", "SandSplash.gif", true)},
                    {standingQuad("splash", "m_splash", 1.0, 1.0)}};
    return {{"ball.3ds", ballModel()}, {"flag.3ds", flagModel()}, {"cup.3ds", cupModel()},
            {"tee.3ds", teeModel()},   {"vane.3ds", vaneModel()}, {"golfer.3ds", golfer},
            {"sandsplash.3ds", splash}};
}

std::vector<PropPicture> propPictures() {
    // The golfer's own picture (the game swaps in the character animations): a golfer at address
    // in the animations' size and key colour.
    Picture golfer = stanceFrame(golferLooks().front());
    return {{"ballDimples.jpg", {ballPicture()}},
            {"arrowMark.jpg", {filled(8, 8, 0xFFD83A)}},
            {"flagPole.jpg", {bandedPicture(8, 32, 0xF4F4F4, 0xD83A2A, 8)}},
            {"flagCloth.jpg", {clothPicture()}},
            {"cupHole.jpg", {cupPicture()}},
            {"teePeg.jpg", {bandedPicture(16, 16, 0xFFFFFF, 0xFF8A1F, 2)}},
            {"vaneArrow.jpg", {bandedPicture(16, 16, 0xE8302A, 0xFFFFFF, 4)}},
            {"golferStand.gif", {golfer}},
            {"SandSplash.gif", sandSplashFrames(), 7}};
}

std::string propTemplateLines() {
    char radius[16];
    std::snprintf(radius, sizeof radius, "%g", ballRadius);
    return std::string("# The shared objects, scaled here; the game places and turns them.\n") +
           "grpBall=type:Group3D, container:mainScene, model:..\\golfball\\ball.3ds, radius:" + radius +
           ", "
           "wantedObjectsWhenNormalize:ball\n"
           "grpFlag=type:Group3D, container:mainScene, model:..\\golfball\\flag.3ds, radius:3.5, "
           "detailLevel:1\n"
           "grpCup=type:Group3D, container:mainScene, model:..\\golfball\\cup.3ds, radius:0.6, "
           "detailLevel:1\n"
           "grpTee=type:Group3D, container:mainScene, model:..\\golfball\\tee.3ds, radius:0.15\n"
           "grpVane=type:Group3D, container:mainScene, model:..\\golfball\\vane.3ds, radius:0.3\n"
           "grpGolfer=type:Group3D, container:mainScene, model:..\\golfball\\golfer.3ds, radius:1.9, "
           "detailLevel:1\n"
           "grpSandSplash=type:Group3D, container:mainScene, model:..\\golfball\\sandsplash.3ds, radius:1.5, "
           "detailLevel:1, billboard:2, visible:0\n";
}

} // namespace velmora::content
