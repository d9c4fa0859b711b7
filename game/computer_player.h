#pragma once
// The computer player of the demonstration: it plays the game page's turns with the operations a
// person has (the club and swing choice, the aim, the power gauge, the answers to messages), so
// that someone watching sees how the game is played. For each shot it thinks (the shot planner,
// spread over the frames), shows its club and swing, turns the aim, charges the gauge to the chosen
// power and plays it; it reads each message for a moment before answering it, and drops the ball
// after water. A key or a press on the page is a person taking over: the demonstration ends and
// the game goes back to the front end.

#include "game/shot_planner.h"
#include "gui/frame_page.h"
#include "gui/listeners.h"

#include <memory>
#include <optional>

namespace velmora {

class GameCanvas;

// The hole of the page as the shot planner sees it, with the wind of the moment.
ShotWorld shotWorldOf(const GameCanvas& game);

class ComputerPlayer : public FrameListener, public MouseListener, public KeyListener {
public:
    // Shots planned per frame: a fraction of a millisecond each, a few milliseconds a frame.
    static constexpr int plannedShotsPerFrame = 16;

    // Plays the page from its next frame on, listening to its stylus and keys.
    explicit ComputerPlayer(GameCanvas& game);
    ~ComputerPlayer() override;
    ComputerPlayer(const ComputerPlayer&) = delete;
    ComputerPlayer& operator=(const ComputerPlayer&) = delete;

    // Before each frame of the page.
    void onFrame(float dt) override;
    // A person's press or key.
    void onCommand(Window* window, UINT message, WPARAM keyState, int x, int y) override;
    void onKeyMessage(Window* window, UINT message, int virtualKey) override;

    // Where it is in a turn.
    enum class Step { Watching, Thinking, Choosing, Aiming, Charging };
    Step step() const { return step_; }
    bool tookOver() const { return takeOver_; }

private:
    bool readyToPlay() const;
    void answerMessage(float dt);
    void play(float dt);

    GameCanvas& game_;
    MouseListener* gameMouse_;
    KeyListener* gameKeys_;
    Step step_ = Step::Watching;
    float waited_ = 0.0f; // seconds in this step (or on this message)
    std::unique_ptr<ShotSearch> search_;
    ShotChoice shot_;
    float turned_ = 0.0f; // of the aim, toward shot_.aimTurn
    bool takeOver_ = false;
};

} // namespace velmora
