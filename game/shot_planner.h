#pragma once
// The judgement of a practised player: each candidate shot (a turn of the aim away from the cup, a
// club and swing, a power) is played out with the ball's own physics on the hole's own ground, and
// the spot where it ends is judged by the strokes still needed from there. Water and out of bounds
// cost a penalty stroke on top, so a safer line wins where one exists. A search plays out a bounded
// number of shots (about 250, a fraction of a millisecond each), a few at a time, so that a game
// can spread it over its frames.

#include "game/course_map.h"
#include "game/launch_table.h"
#include "game/player.h"
#include "game/terrain.h"
#include "render/vector3.h"

#include <vector>

namespace velmora {

// The hole as the planner sees it.
struct ShotWorld {
    const Terrain* terrain = nullptr;
    const CourseMap* courseMap = nullptr;
    Vector3 cup;
    Vector3 tee;
    float pegHeight = 0.0f; // how far the peg raises a ball on the tee spot
    float ballRadius = 0.25f;
    int windMph = 0;
    float windHeading = 0.0f;
    // The gauge moves by this much a frame while it charges: only its multiples can be played.
    int powerStep = 1;
    // How far the player's own shot may miss the planned one: the aim by up to this many radians
    // at full power (less in proportion), and off the putting green the gauge by this much.
    float aimStray = 0.0f;
    int powerStray = 0;
};

struct ShotChoice {
    float aimTurn = 0.0f; // radians from the line to the cup, positive turning right (clockwise)
    int club = ClubWood;
    int swing = SwingFull;
    int power = 0; // the gauge, 1 to 100
};

enum class ShotEnd { Rest, Holed, Water, OutOfBounds, Endless };

// Where a shot ends. After water the ball is at the drop point; out of bounds, where it was struck.
struct ShotOutcome {
    ShotEnd end = ShotEnd::Rest;
    Vector3 position;
    bool onGreen = false;
    bool inBunker = false;
    bool inRough = false;
    int steps = 0;
};

struct ShotPlan {
    ShotChoice choice;
    ShotOutcome outcome;  // at the middle of the random spread
    float strokes = 0.0f; // expected strokes to hole out after this one, penalties included
    int simulations = 0;  // shots played out to find it
};

// Plays one shot from the ball's position (the ball placed there as the game places it, aimed at
// the cup, then turned), with the launch's random step fixed at randomStep (-5 to 5).
ShotOutcome simulateShot(const ShotWorld& world, const Vector3& ballPosition, const ShotChoice& choice,
                         int randomStep);
// The strokes still needed from where a shot ended (0 when holed), penalties included.
float strokesToHoleOut(const ShotWorld& world, const ShotOutcome& outcome, const Vector3& strikePoint);
// The search for the best shot from the ball's position, in three rounds: every club and swing
// straight at the cup over the whole gauge; the best few turned to either side and a little
// harder or softer; the best of those again with the launch's random step at both ends and the
// player's own stray at its ends, so that a shot which only works when struck perfectly (a long
// putt rammed at the cup, an approach flown straight in) loses to a safe one.
class ShotSearch {
public:
    ShotSearch(const ShotWorld& world, const Vector3& ballPosition);
    // Plays out at most budget more shots; true once the search is over.
    bool advance(int budget);
    bool done() const { return round_ == Round::Done; }
    // The best shot, once the search is over.
    const ShotPlan& plan() const { return plan_; }

private:
    enum class Round { Coarse, Fine, Final, Done };
    struct Candidate {
        ShotChoice choice;
        ShotOutcome outcome;
        float strokes = 0.0f;
    };
    struct Job {
        ShotChoice choice;
        int randomStep = 0;
        int finalist = -1; // the finalist judged again (its choice strayed), or -1 for a new candidate
    };

    Candidate evaluate(const ShotChoice& choice, int randomStep);
    void queue(ShotChoice choice);
    std::vector<Candidate> best(size_t count, bool distinctClubs) const;
    void nextRound();

    ShotWorld world_;
    Vector3 start_;
    Round round_ = Round::Coarse;
    std::vector<Job> jobs_;
    size_t nextJob_ = 0;
    std::vector<Candidate> played_;
    std::vector<Candidate> finalists_;
    std::vector<float> finalistStrokes_; // summed over the spreads tried
    std::vector<int> finalistTries_;
    ShotPlan plan_;
};

// The best shot found from the ball's position, in one go.
ShotPlan planShot(const ShotWorld& world, const Vector3& ballPosition);

} // namespace velmora
