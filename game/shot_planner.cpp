#include "game/shot_planner.h"

#include "game/ball.h"
#include "game/ball_host.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

constexpr int maxSteps = 3000; // over three minutes of play: a ball still moving then never stops
constexpr float endlessStrokes = 10.0f;

// A host that only watches: no display, no sounds, no strokes.
class SimulationHost final : public BallHost {
public:
    explicit SimulationHost(const ShotWorld& shotWorld) : world(shotWorld) {}

    const Terrain& terrain() const override { return *world.terrain; }
    const CourseMap& courseMap() const override { return *world.courseMap; }
    Vector3 cupPoint() const override { return world.cup; }
    Vector3 teePoint() const override { return world.tee; }
    float pegHeight() const override { return world.pegHeight; }
    int windMph() const override { return world.windMph; }
    float windHeading() const override { return world.windHeading; }
    float shotSurfaceFactor() const override { return surfaceFactor; }
    bool shotIsPutt() const override { return putt; }
    bool shotIsChip() const override { return chip; }
    bool strikerHasFinished() const override { return holed; }

    void ballPlaced(bool) override {}
    void ballLaunched() override {}
    void ballOverCup() override {}
    void ballHoled() override { holed = true; }
    void ballBounced() override {}
    void ballDrowned() override { drowned = true; }
    void ballInWater(const Vector3& point, bool inBounds) override {
        dropPoint = point;
        dropInBounds = inBounds;
    }
    void endStroke() override {}
    void shotEnded() override { over = true; }

    const ShotWorld& world;
    float surfaceFactor = 1.0f;
    bool putt = false;
    bool chip = false;
    bool holed = false;
    bool drowned = false;
    bool over = false;
    Vector3 dropPoint;
    bool dropInBounds = false;
};

struct Lie {
    bool onGreen = false;
    bool inBunker = false;
    bool inRough = false;
};

Lie lieOf(const Ball& ball) {
    return {ball.isInGreen, ball.isInbunker, ball.isInRough};
}

Lie lieAt(const ShotWorld& world, const Vector3& point) {
    SimulationHost host(world);
    Object3D group;
    group.radius = world.ballRadius;
    Ball ball(host, group);
    ball.placeAt(point);
    return lieOf(ball);
}

float yardsToCup(const ShotWorld& world, const Vector3& point) {
    Vector3 d = world.cup - point;
    d.y = 0.0f;
    return d.length() * yardsPerUnit;
}

// Strokes a practised player needs from a spot: about one putt from close on the green, two from
// afar; off the green a shot onto it and the putts, more the farther it is, more from bad lies.
float strokesFrom(const ShotWorld& world, const Vector3& point, const Lie& lie) {
    const float yards = yardsToCup(world, point);
    if (lie.onGreen)
        return 1.0f + std::min(yards / 12.0f, 1.5f);
    float strokes = yards <= 20.0f ? 1.6f + yards / 40.0f : 2.0f + yards / 200.0f;
    if (lie.inBunker)
        strokes += 0.5f;
    else if (lie.inRough)
        strokes += 0.25f;
    return strokes;
}

struct Pair {
    int club;
    int swing;
};

constexpr Pair offGreenPairs[] = {{ClubWood, SwingFull},   {ClubWood, SwingPunch}, {ClubIron, SwingFull},
                                  {ClubIron, SwingPunch},  {ClubIron, SwingChip},  {ClubWedge, SwingFull},
                                  {ClubWedge, SwingPunch}, {ClubWedge, SwingFlop}, {ClubWedge, SwingChip}};
constexpr float puttYards = 40.0f; // off the green the putter is tried this close to the cup

// The power the gauge can stop at nearest to the wanted one.
int playablePower(int power, int step) {
    step = std::clamp(step, 1, 50);
    return std::clamp((power + step / 2) / step * step, step, 100 / step * step);
}

} // namespace

ShotOutcome simulateShot(const ShotWorld& world, const Vector3& ballPosition, const ShotChoice& choice,
                         int randomStep) {
    ShotOutcome outcome;
    if (!world.terrain || !world.courseMap)
        return outcome;
    SimulationHost host(world);
    Object3D group;
    group.radius = world.ballRadius;
    Ball ball(host, group);
    ball.placeAt(ballPosition);
    const Vector3 strikePoint = ball.position;
    if (choice.aimTurn != 0.0f)
        ball.turnAim(choice.aimTurn > 0.0f, std::fabs(choice.aimTurn));
    const int power = powerAfterLie(choice.power, choice.club, choice.swing, ball.isInbunker, ball.isInRough);
    const Launch launch = launchOf(choice.club, choice.swing, power, randomStep);
    host.surfaceFactor = launch.surfaceFactor;
    host.putt = choice.club == ClubPutter;
    host.chip = choice.swing == SwingChip;
    ball.launch(launch.speed, launch.angle);

    while (!host.over && outcome.steps < maxSteps) {
        ball.step(Ball::fixedStep);
        ++outcome.steps;
    }
    if (host.holed) {
        outcome.end = ShotEnd::Holed;
        outcome.position = world.cup;
    } else if (host.drowned) {
        // The ball is dropped behind the water, or played again where it was when that is outside.
        outcome.end = host.dropInBounds ? ShotEnd::Water : ShotEnd::OutOfBounds;
        outcome.position = host.dropInBounds ? host.dropPoint : strikePoint;
    } else if (!host.over) {
        outcome.end = ShotEnd::Endless;
        outcome.position = ball.position;
    } else if (ball.isOutOfBoundary) {
        outcome.end = ShotEnd::OutOfBounds;
        outcome.position = strikePoint;
    } else {
        outcome.end = ShotEnd::Rest;
        outcome.position = ball.position;
        const Lie lie = lieOf(ball);
        outcome.onGreen = lie.onGreen;
        outcome.inBunker = lie.inBunker;
        outcome.inRough = lie.inRough;
    }
    return outcome;
}

float strokesToHoleOut(const ShotWorld& world, const ShotOutcome& outcome, const Vector3& strikePoint) {
    switch (outcome.end) {
    case ShotEnd::Holed:
        return 0.0f;
    case ShotEnd::Endless:
        return endlessStrokes;
    case ShotEnd::Water:
        return 1.0f + strokesFrom(world, outcome.position, lieAt(world, outcome.position));
    case ShotEnd::OutOfBounds:
        return 1.0f + strokesFrom(world, strikePoint, lieAt(world, strikePoint));
    case ShotEnd::Rest:
        break;
    }
    return strokesFrom(world, outcome.position, {outcome.onGreen, outcome.inBunker, outcome.inRough});
}

ShotSearch::ShotSearch(const ShotWorld& world, const Vector3& ballPosition)
    : world_(world), start_(ballPosition) {
    if (!world_.terrain || !world_.courseMap) {
        round_ = Round::Done;
        return;
    }
    // Straight at the cup, every club and swing over the whole gauge.
    const bool putting = lieAt(world_, start_).onGreen;
    if (putting || yardsToCup(world_, start_) < puttYards) {
        for (int power = 4; power <= 100; power += 4)
            queue({0.0f, ClubPutter, SwingPutt, power});
    }
    if (!putting) {
        for (const Pair& pair : offGreenPairs) {
            for (int power = 10; power <= 100; power += 10)
                queue({0.0f, pair.club, pair.swing, power});
        }
    }
}

ShotSearch::Candidate ShotSearch::evaluate(const ShotChoice& choice, int randomStep) {
    ++plan_.simulations;
    Candidate candidate{choice, simulateShot(world_, start_, choice, randomStep), 0.0f};
    candidate.strokes = strokesToHoleOut(world_, candidate.outcome, start_);
    return candidate;
}

// A new candidate at a power the gauge can stop at, unless it is played or queued already.
void ShotSearch::queue(ShotChoice choice) {
    choice.power = playablePower(choice.power, world_.powerStep);
    const auto same = [&choice](const ShotChoice& other) {
        return other.club == choice.club && other.swing == choice.swing && other.power == choice.power &&
               other.aimTurn == choice.aimTurn;
    };
    if (std::any_of(played_.begin(), played_.end(), [&](const Candidate& c) { return same(c.choice); }) ||
        std::any_of(jobs_.begin() + static_cast<std::ptrdiff_t>(nextJob_), jobs_.end(),
                    [&](const Job& job) { return same(job.choice); }))
        return;
    jobs_.push_back({choice, 0, -1});
}

std::vector<ShotSearch::Candidate> ShotSearch::best(size_t count, bool distinctClubs) const {
    std::vector<Candidate> sorted = played_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Candidate& a, const Candidate& b) { return a.strokes < b.strokes; });
    std::vector<Candidate> chosen;
    for (const Candidate& c : sorted) {
        if (chosen.size() == count)
            break;
        const bool samePair = std::any_of(chosen.begin(), chosen.end(), [&](const Candidate& o) {
            return o.choice.club == c.choice.club && o.choice.swing == c.choice.swing;
        });
        if (!distinctClubs || !samePair)
            chosen.push_back(c);
    }
    return chosen;
}

void ShotSearch::nextRound() {
    jobs_.clear();
    nextJob_ = 0;
    if (round_ == Round::Coarse) {
        // Around the best few: turned to either side (the slope, the wind, a hazard on the line)
        // and a little harder or softer.
        static constexpr float shotTurns[] = {0.0f, 0.04f, -0.04f, 0.1f, -0.1f, 0.2f, -0.2f, 0.35f, -0.35f};
        static constexpr float puttTurns[] = {0.0f,  0.01f,  -0.01f, 0.025f, -0.025f,
                                              0.05f, -0.05f, 0.1f,   -0.1f};
        for (const Candidate& seed : best(4, true)) {
            const bool putt = seed.choice.club == ClubPutter;
            const int powerStep = std::max(putt ? 2 : 3, world_.powerStep);
            for (const float turn : putt ? puttTurns : shotTurns) {
                for (int k = -2; k <= 2; ++k) {
                    ShotChoice choice = seed.choice;
                    choice.aimTurn = turn;
                    choice.power = std::clamp(seed.choice.power + k * powerStep, 1, 100);
                    queue(choice);
                }
            }
        }
        round_ = Round::Fine;
    } else if (round_ == Round::Fine) {
        // The launch's random step spreads every shot, and the player strays from the plan: the
        // finalists are judged again at the ends of both.
        finalists_ = best(6, false);
        finalistStrokes_.clear();
        finalistTries_.clear();
        for (size_t i = 0; i < finalists_.size(); ++i) {
            const ShotChoice& choice = finalists_[i].choice;
            const int finalist = static_cast<int>(i);
            finalistStrokes_.push_back(finalists_[i].strokes);
            finalistTries_.push_back(1);
            for (const int randomStep : {-5, 5})
                jobs_.push_back({choice, randomStep, finalist});
            const float aimStray = world_.aimStray * static_cast<float>(choice.power) / 100.0f;
            if (aimStray > 0.0f) {
                for (const float side : {-1.0f, 1.0f}) {
                    ShotChoice strayed = choice;
                    strayed.aimTurn += side * aimStray;
                    jobs_.push_back({strayed, 0, finalist});
                }
            }
            if (world_.powerStray > 0 && choice.swing != SwingPutt) {
                for (const int side : {-1, 1}) {
                    ShotChoice strayed = choice;
                    strayed.power = std::clamp(choice.power + side * world_.powerStray, 1, 100);
                    jobs_.push_back({strayed, 0, finalist});
                }
            }
        }
        round_ = Round::Final;
    } else {
        for (size_t i = 0; i < finalists_.size(); ++i) {
            const float strokes = finalistStrokes_[i] / static_cast<float>(finalistTries_[i]);
            if (i == 0 || strokes < plan_.strokes) {
                plan_.strokes = strokes;
                plan_.choice = finalists_[i].choice;
                plan_.outcome = finalists_[i].outcome;
            }
        }
        round_ = Round::Done;
    }
}

bool ShotSearch::advance(int budget) {
    while (round_ != Round::Done && budget > 0) {
        if (nextJob_ == jobs_.size()) {
            nextRound();
            continue;
        }
        const Job job = jobs_[nextJob_++];
        --budget;
        const Candidate candidate = evaluate(job.choice, job.randomStep);
        if (job.finalist < 0)
            played_.push_back(candidate);
        else {
            finalistStrokes_[static_cast<size_t>(job.finalist)] += candidate.strokes;
            ++finalistTries_[static_cast<size_t>(job.finalist)];
        }
    }
    return round_ == Round::Done;
}

ShotPlan planShot(const ShotWorld& world, const Vector3& ballPosition) {
    ShotSearch search(world, ballPosition);
    while (!search.advance(1000)) {
    }
    return search.plan();
}

} // namespace velmora
