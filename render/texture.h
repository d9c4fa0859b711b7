#pragma once
// A named picture with one frame or the frames of an animation, optionally resized to powers of
// two for the 3D textures, with its animation state.

#include "base/verify.h"
#include "surface/surface.h"
#include "surface/transform.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

struct Texture;

// Told whenever a texture's current frame changes.
class TextureFrameListener {
public:
    virtual ~TextureFrameListener() = default;
    virtual void frameChanged(Texture& texture, int frame) = 0;
};

enum class PowerOfTwo { No, Pad, Stretch };

struct Texture {
    // Reads the picture at path: names containing ".gif" or ".GIF" with all their frames, others
    // as one frame, at the display's depth. A file that fails leaves one empty frame (drawn as
    // nothing). With a power-of-two size each frame is padded (copied into the top-left corner of
    // the next power of two up) or stretched to the nearest power of two (the smaller on a tie).
    static std::unique_ptr<Texture> load(const std::wstring& path, PowerOfTwo size);
    // One frame of the given size filled with a colour; with stretch, at the nearest power of two.
    static std::unique_ptr<Texture> blank(int width, int height, uint32_t color, PowerOfTwo size);

    // frames[currentFrame]; the one frame of a still picture.
    Surface& currentSurface() const {
        const int index = frameCount >= 2 ? currentFrame : 0;
        VERIFY(index >= 0 && static_cast<size_t>(index) < frames.size(),
               "keep frameCount at frames.size() and change frames with setFrame");
        return *frames[static_cast<size_t>(index)];
    }
    Surface& surface() const { return *frames[0]; }

    // With two frames or more: clamps i to the frames, makes it current and tells the listener.
    void setFrame(int index);
    // A frame chosen with the game's random numbers (an animation that starts anywhere).
    void setRandomFrame();
    // Advances the animation: at once for a negative time step, otherwise once the current frame
    // has been shown longer than its delay. The last frame wraps to the first only when looping.
    void animate(float timeStep);

    // In-place transforms of the first frame, keeping its colour key and delay.
    void rotate(QuarterTurn direction);
    void mirror();
    void flip();

    int width = 0, height = 0;                 // current frame size
    int originalWidth = 0, originalHeight = 0; // as loaded
    int log2Width = 0, log2Height = 0;         // when a power-of-two size was asked
    int frameCount = 1;
    bool animationEnabled = false;
    bool loop = false;
    std::vector<std::unique_ptr<Surface>> frames; // frameCount entries, never empty
    std::wstring name;                            // file name without its folder
    uint32_t lastFrameTick = 0;                   // frame counter value of the last animation step
    int currentFrame = 0;
    float elapsed = 0.0f; // seconds on the current frame
    TextureFrameListener* frameListener = nullptr;
};

} // namespace velmora
