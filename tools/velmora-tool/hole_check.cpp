// The checks of one hole: its objects, scale, ground, ring, tee and cup, textures, water and length.
#include "check_text.h"
#include "course_check.h"

#include "base/wide_string.h"
#include "game/course_features.h"
#include "game/course_map.h"
#include "game/hole_marks.h"
#include "media/resource_file.h"
#include "render/bounding_box.h"
#include "render/mesh_prepare.h"
#include "render/model_3ds_reader.h"
#include "render/model_loader.h"
#include "render/texture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

namespace velmora::tool {
namespace {

const wchar_t* const groundNames[] = {L"rough",  L"tground", L"fairway",  L"green",
                                      L"bunker", L"water",   L"waterbank"};
const wchar_t* const requiredNames[] = {L"rough", L"tground", L"fairway", L"green", L"bunker", L"woods"};
const wchar_t* const inBoundsNames[] = {L"tground", L"fairway", L"green", L"bunker", L"water", L"waterbank"};

// Twice the signed area of the points' polygon in the x-z plane: negative when they run clockwise
// seen from above (in the file's top view as well: its turn into the game's axes keeps the sense).
double signedArea(const std::vector<Vector3>& points) {
    double area = 0;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++)
        area += double(points[j].x) * points[i].z - double(points[i].x) * points[j].z;
    return area;
}

bool inside(const std::vector<Vector3>& polygon, float x, float z) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Vector3& a = polygon[j];
        const Vector3& b = polygon[i];
        if ((a.z > z) != (b.z > z) && x < a.x + (b.x - a.x) * (z - a.z) / (b.z - a.z))
            in = !in;
    }
    return in;
}

double crossXZ(const Vector3& o, const Vector3& a, const Vector3& b) {
    return double(a.x - o.x) * (b.z - o.z) - double(a.z - o.z) * (b.x - o.x);
}

bool segmentsCross(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) {
    const double d1 = crossXZ(c, d, a), d2 = crossXZ(c, d, b), d3 = crossXZ(a, b, c), d4 = crossXZ(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 && d4 != 0;
}

// The closed polygon's first crossing of two of its edges, or -1.
int firstCrossing(const std::vector<Vector3>& polygon) {
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            if (segmentsCross(polygon[i], polygon[(i + 1) % n], polygon[j], polygon[(j + 1) % n]))
                return int(i);
        }
    return -1;
}

// The tightest bend of the closed polygon: the radius of the arc through each corner, estimated
// from the turn there and the shorter of its two edges.
double tightestBend(const std::vector<Vector3>& polygon) {
    double tightest = 1e9;
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i) {
        const Vector3 a = polygon[(i + n - 1) % n], b = polygon[i], c = polygon[(i + 1) % n];
        const double ux = b.x - a.x, uz = b.z - a.z, vx = c.x - b.x, vz = c.z - b.z;
        const double lu = std::hypot(ux, uz), lv = std::hypot(vx, vz);
        if (lu == 0 || lv == 0)
            continue;
        const double turn = std::acos(std::clamp((ux * vx + uz * vz) / (lu * lv), -1.0, 1.0));
        if (turn > 1e-6)
            tightest = std::min(tightest, std::min(lu, lv) / (2 * std::sin(turn / 2)));
    }
    return tightest;
}

class HoleCheck {
public:
    HoleCheck(const std::wstring& folder, int number, const CourseSettings& settings, ImageCache& images)
        : folder_(folder), settings_(settings), images_(images) {
        report_.number = number;
        report_.par = settings.pars[size_t(number - 1)];
        fileName_ = formatWide(L"hole%d.3ds", number);
    }

    HoleReport run() {
        if (!load())
            return report_;
        checkObjects();
        checkScale();
        if (!rough_ || !woods_) // nothing to stand on or no ring: the rest would only repeat it
            return report_;
        terrain_.build(*model_, findSurfaces(*model_));
        checkGroundFaces();
        checkRing();
        if (!lines_.treeLine.empty()) {
            checkGaps();
            checkTeeAndCup();
            checkSurfacesInBounds();
            checkWater();
        }
        checkTextures();
        checkLength();
        return report_;
    }

private:
    void breach(std::string text) { report_.breaches.push_back(std::move(text)); }

    bool load() {
        const std::wstring path = modelPath(folder_, fileName_);
        const auto bytes = readResourceFile(path);
        if (!bytes) {
            breach(format("%s is missing", narrow(fileName_).c_str()));
            return false;
        }
        Model3D raw;
        if (read3ds(*bytes, raw, nullptr) != Read3dsResult::Ok) {
            breach(format("%s is not a sound 3DS file", narrow(fileName_).c_str()));
            return false;
        }
        rawBox_ = boxOfMeshes(raw);
        ModelRequest request;
        request.folder = folder_;
        request.fileName = fileName_;
        request.radius = 400.0f;
        request.imageCache = &images_;
        model_ = loadModel(request);
        if (!model_)
            return false;
        for (const auto& mesh : *model_->meshes) {
            report_.faces += int(mesh->faces.size());
            names_[mesh->name].push_back(mesh.get());
        }
        rough_ = mesh(L"rough");
        woods_ = mesh(L"woods");
        water_ = mesh(L"water");
        bank_ = mesh(L"waterbank");
        report_.water = water_ != nullptr;
        // The game sets the lowest ground (the trees left out) at height 0.
        const std::wstring woodsName = L"woods";
        const BoundingBox course = boxOfMeshes(*model_, nullptr, &woodsName);
        if (!course.empty) {
            for (const auto& mesh : *model_->meshes)
                for (Vertex3D& vertex : mesh->vertices)
                    vertex.y -= toFixed11(course.min.y);
            courseSize_ = course.size();
            courseCentre_ = course.centre();
        }
        return true;
    }

    Mesh3D* mesh(const wchar_t* name) const {
        const auto found = names_.find(name);
        return found == names_.end() ? nullptr : found->second.front();
    }

    void checkObjects() {
        for (const wchar_t* name : requiredNames)
            if (!mesh(name))
                breach(format("the object '%s' is missing", narrow(name).c_str()));
        if (!water_ != !bank_)
            breach(water_ ? "water without its 'waterbank'" : "a 'waterbank' without its 'water'");
        for (const auto& [name, meshes] : names_) {
            if (meshes.size() > 1)
                breach(format("%zu objects are named '%s'; the game finds only the first", meshes.size(),
                              narrow(name).c_str()));
            const std::wstring& objectName = name;
            const bool known = name == L"outer" || name == L"woods" ||
                               std::any_of(std::begin(groundNames), std::end(groundNames),
                                           [&](const wchar_t* ground) { return objectName == ground; });
            if (!known)
                breach(format("an unknown object '%s' (its ground would give no lie)", narrow(name).c_str()));
        }
        if (report_.faces > maxHoleFaces)
            breach(format("%d faces, more than %d", report_.faces, maxHoleFaces));
    }

    void checkScale() {
        const Vector3 size = rawBox_.size();
        const float longest = std::max({size.x, size.y, size.z});
        if (std::fabs(longest - 800.0f) > 0.01f || size.y >= longest)
            breach(format("the box is %.2f x %.2f x %.2f: its longest side must be horizontal and 800 units "
                          "(scale 1)",
                          size.x, size.y, size.z));
        if (std::fabs(courseCentre_.x) > 0.5f || std::fabs(courseCentre_.z) > 0.5f)
            breach("the course without the woods is not centred like the whole model: the trees reach beyond "
                   "it");
    }

    void checkGroundFaces() {
        for (const wchar_t* name : groundNames) {
            const Mesh3D* ground = mesh(name);
            if (!ground)
                continue;
            int down = 0;
            for (const Face3D& face : ground->faces) {
                const Vector3 a = ground->vertices[size_t(face.a)].position();
                const Vector3 b = ground->vertices[size_t(face.b)].position();
                const Vector3 c = ground->vertices[size_t(face.c)].position();
                // The stored normal is (b - a) x (c - b); the grid takes a face as ground when the
                // opposite of it points up.
                const Vector3 normal = cross(b - a, c - b);
                if (normal.lengthSquared() > 1e-12f && -normal.y <= 0.0f)
                    ++down;
            }
            if (down)
                breach(format(
                    "%d faces of '%s' face down (wound clockwise seen from above): a ball falls through "
                    "them",
                    down, narrow(name).c_str()));
        }
    }

    void checkRing() {
        const size_t count = woods_->vertices.size();
        const size_t n = count / 2;
        if (count % 2 || n < 4) {
            breach(format("the woods ring has %zu vertices: it needs an even number, at least 8", count));
            return;
        }
        for (size_t i = 0; i < n; ++i) {
            const Vertex3D& bottom = woods_->vertices[i];
            const Vertex3D& top = woods_->vertices[i + n];
            if (bottom.x != top.x || bottom.z != top.z) {
                breach(format("woods vertex %zu is not directly above vertex %zu", i + n, i));
                return;
            }
        }
        const Vertex3D& first = woods_->vertices.front();
        const Vertex3D& last = woods_->vertices[n - 1];
        if (first.x != last.x || first.z != last.z)
            breach("the woods ring is not closed: its first and last bottom vertices differ");
        lines_ = traceBoundary(*woods_, terrain_);
        if (lines_.pointsWithoutGround)
            breach(format("%d points of the tree and play lines have no ground under them",
                          lines_.pointsWithoutGround));
        const std::vector<Vector3> trees(lines_.treeLine.begin(), lines_.treeLine.end() - 1);
        const std::vector<Vector3> play(lines_.playLine.begin(), lines_.playLine.end() - 1);
        if (signedArea(trees) >= 0) {
            breach(
                "the woods ring runs counter-clockwise seen from above: the play line would lie outside it");
            lines_ = {};
            return;
        }
        if (const int at = firstCrossing(trees); at >= 0)
            breach(format("the tree line crosses itself at point %d", at));
        if (const int at = firstCrossing(play); at >= 0)
            breach(format("the play line crosses itself at point %d", at));
        if (const double bend = tightestBend(trees); bend < 12)
            breach(format("the woods ring bends with a radius of %.1f units (at least 16 wanted)", bend));
        for (const Vector3& p : play) {
            if (!inside(trees, p.x, p.z)) {
                breach(format("the play line leaves the trees at (%.1f, %.1f)", p.x, p.z));
                break;
            }
        }
        map_.create(courseSize_.x, courseSize_.z);
        map_.draw(lines_.treeLine, lines_.playLine);
    }

    // Every point inside the trees has ground under it.
    void checkGaps() {
        const std::vector<Vector3> trees(lines_.treeLine.begin(), lines_.treeLine.end() - 1);
        BoundingBox box;
        for (const Vector3& p : trees)
            box.add(p);
        int gaps = 0;
        Vector3 first;
        for (float z = box.min.z + 1.5f; z < box.max.z; z += 3.0f) {
            for (float x = box.min.x + 1.5f; x < box.max.x; x += 3.0f) {
                if (!inside(trees, x, z))
                    continue;
                Vector3 p{x, 0.0f, z}, normal;
                if (!terrain_.dropToGround(p, normal)) {
                    if (!gaps++)
                        first = p;
                }
            }
        }
        if (gaps)
            breach(format(
                "%d sample points inside the trees have no ground under them, the first at (%.1f, %.1f)",
                gaps, first.x, first.z));
    }

    // In bounds with a margin: the point's pixel of the course map and the eight around it are in.
    bool inBoundsWithMargin(const Vector3& p) const {
        const float step = courseSize_.z / float(std::max(map_.bitmap().height, 1));
        for (int dz = -1; dz <= 1; ++dz)
            for (int dx = -1; dx <= 1; ++dx)
                if (map_.isOutOfBounds({p.x + dx * step, p.y, p.z + dz * step}))
                    return false;
        return true;
    }

    void checkTeeAndCup() {
        const Mesh3D* tground = mesh(L"tground");
        const Mesh3D* green = mesh(L"green");
        const std::vector<Vector3> trees(lines_.treeLine.begin(), lines_.treeLine.end() - 1);
        if (tground) {
            tee_ = teeSpot(*tground);
            Vector3 normal;
            const Mesh3D* under = terrain_.dropToGround(tee_, normal);
            if (!inside(trees, tee_.x, tee_.z))
                breach(format("the tee (%.1f, %.1f) lies outside the trees", tee_.x, tee_.z));
            else if (under != tground)
                breach(format("the tee (%.1f, %.1f), the centre of 'tground', is not on 'tground'", tee_.x,
                              tee_.z));
            else if (normal.y < 0.9995f)
                breach("the teeing ground is not flat at the tee");
            if (!inBoundsWithMargin(tee_))
                breach(format("the tee (%.1f, %.1f) is not in bounds with a margin", tee_.x, tee_.z));
        }
        if (green && !green->vertices.empty()) {
            const Vector3 centre = boxOf(*green).centre();
            cup_ = cupSpot(*green);
            if (std::hypot(cup_.x - centre.x, cup_.z - centre.z) > 0.5)
                breach(format(
                    "the cup (%.1f, %.1f), the green vertex nearest the green's centre, is %.1f units off "
                    "that centre",
                    cup_.x, cup_.z, std::hypot(cup_.x - centre.x, cup_.z - centre.z)));
            Vector3 normal;
            if (terrain_.dropToGround(cup_, normal) != green)
                breach(format("the cup (%.1f, %.1f) is not on 'green'", cup_.x, cup_.z));
            if (!inBoundsWithMargin(cup_))
                breach(format("the cup (%.1f, %.1f) is not in bounds with a margin", cup_.x, cup_.z));
        }
    }

    void checkSurfacesInBounds() {
        for (const wchar_t* name : inBoundsNames) {
            const Mesh3D* surface = mesh(name);
            if (!surface)
                continue;
            int out = 0;
            for (const Vertex3D& v : surface->vertices)
                out += map_.isOutOfBounds(v.position());
            if (out)
                breach(
                    format("%d vertices of '%s' lie out of bounds (in or beyond the band inside the trees)",
                           out, narrow(name).c_str()));
        }
    }

    // A ball drowned anywhere in the water, whichever way it came, is dropped on dry ground in bounds.
    void checkWater() {
        if (!water_ || !bank_)
            return;
        BoundingBox box;
        for (const Mesh3D* m : {water_, bank_})
            for (const Vertex3D& v : m->vertices)
                box.add(v.position());
        constexpr int directions = 16;
        for (float z = box.min.z + 2; z <= box.max.z; z += 6) {
            for (float x = box.min.x + 2; x <= box.max.x; x += 6) {
                Vector3 p{x, 0, z}, normal;
                const Mesh3D* under = terrain_.dropToGround(p, normal);
                if (under != water_ && under != bank_)
                    continue;
                for (int k = 0; k < directions; ++k) {
                    const float a = 6.2831853f * k / directions;
                    const Vector3 aim{std::sin(a), 0, std::cos(a)};
                    const WaterExit exit = stepOutOfWater(terrain_, p, aim, settings_.ballRadius);
                    const Mesh3D* ground = terrain_.ground(exit.point).surface;
                    const bool wet = !exit.dry || ground == water_ || ground == bank_;
                    if (wet || !ground || map_.isOutOfBounds(exit.point)) {
                        breach(
                            format("a ball drowned at (%.1f, %.1f) coming along (%.2f, %.2f) is dropped at "
                                   "(%.1f, %.1f), %s",
                                   x, z, aim.x, aim.z, exit.point.x, exit.point.z,
                                   wet ? "still in the water" : "out of bounds"));
                        return;
                    }
                }
            }
        }
    }

    void checkTextures() {
        for (const auto& [name, meshes] : names_) {
            const Mesh3D* m = meshes.front();
            const Material3D* material = m->material;
            if (!material || material->textureName.empty()) {
                breach(format("'%s' has no texture map (the hole is drawn unlit)", narrow(name).c_str()));
                continue;
            }
            const Texture* texture = material->texture;
            if (!texture || texture->frames.empty() || texture->surface().empty())
                breach(format("the texture '%s' of '%s' is missing or unreadable",
                              narrow(material->textureName).c_str(), narrow(name).c_str()));
        }
        for (const Mesh3D* own : {woods_, water_}) {
            if (!own || !own->material)
                continue;
            for (const auto& other : *model_->meshes)
                if (other.get() != own && other->material == own->material)
                    breach(format("'%s' shares its material with '%s'; it needs one of its own",
                                  narrow(own->name).c_str(), narrow(other->name).c_str()));
        }
    }

    void checkLength() {
        if (!mesh(L"tground") || !mesh(L"green"))
            return;
        report_.yards = std::hypot(cup_.x - tee_.x, cup_.z - tee_.z) * yardsPerUnit;
        struct Span {
            int par;
            double low, high;
        };
        static const Span spans[] = {{3, 90, 250}, {4, 250, 470}, {5, 430, 560}};
        for (const Span& span : spans) {
            if (span.par == report_.par && (report_.yards < span.low || report_.yards > span.high))
                breach(format("par %d for %.0f yards (a par %d is %.0f to %.0f yards)", report_.par,
                              report_.yards, span.par, span.low, span.high));
        }
    }

    std::wstring folder_;
    const CourseSettings& settings_;
    ImageCache& images_;
    std::wstring fileName_;
    HoleReport report_;
    BoundingBox rawBox_;
    std::unique_ptr<Model3D> model_;
    std::map<std::wstring, std::vector<Mesh3D*>> names_;
    Mesh3D* rough_ = nullptr;
    Mesh3D* woods_ = nullptr;
    Mesh3D* water_ = nullptr;
    Mesh3D* bank_ = nullptr;
    Vector3 courseSize_;
    Vector3 courseCentre_;
    Terrain terrain_;
    CourseBoundary lines_;
    CourseMap map_;
    Vector3 tee_;
    Vector3 cup_;
};

} // namespace

HoleReport checkHole(const std::wstring& folder, int number, const CourseSettings& settings,
                     ImageCache& images) {
    return HoleCheck(folder, number, settings, images).run();
}

} // namespace velmora::tool
