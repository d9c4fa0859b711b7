#include "render/texture.h"

#include "media/image_loader.h"
#include "render/scalar_math.h"
#include "surface/blitters.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace velmora {

namespace {

int ceilLog2(int size) { return size <= 1 ? 0 : std::bit_width(unsigned(size - 1)); }

// The nearer of the powers of two around size; the smaller one on a tie.
int nearestLog2(int size) {
    const int lower = size <= 1 ? 0 : std::bit_width(unsigned(size)) - 1;
    const int64_t below = int64_t(1) << lower, above = below * 2;
    return size - below <= above - size ? lower : lower + 1;
}

// Replaces a frame by a copy of the asked size: padded with zero or stretched.
void resizeFrame(std::unique_ptr<Surface>& frame, int width, int height, PowerOfTwo size) {
    if (frame->empty() || (frame->width == width && frame->height == height))
        return;
    auto resized = std::make_unique<Surface>();
    if (!resized->create(width, height, frame->useDeviceDepth))
        return;
    if (size == PowerOfTwo::Pad)
        copyBlit(*resized, *frame, 0, 0);
    else
        stretchBlit(*resized, *frame, 0, 0, width, height);
    resized->hasTransparentColor = frame->hasTransparentColor;
    resized->transparentColor = frame->transparentColor;
    resized->frameDelay = frame->frameDelay;
    frame = std::move(resized);
}

void fitPowerOfTwo(Texture& texture, PowerOfTwo size) {
    if (size == PowerOfTwo::No || texture.surface().empty())
        return;
    const bool pad = size == PowerOfTwo::Pad;
    texture.log2Width = pad ? ceilLog2(texture.width) : nearestLog2(texture.width);
    texture.log2Height = pad ? ceilLog2(texture.height) : nearestLog2(texture.height);
    texture.width = 1 << texture.log2Width;
    texture.height = 1 << texture.log2Height;
    for (auto& frame : texture.frames)
        resizeFrame(frame, texture.width, texture.height, size);
}

std::wstring fileName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The transformed copy replaces the first frame; its key and delay carry over.
template <typename Transform>
void replaceFirstFrame(Texture& texture, bool swapsSides, Transform transform) {
    Surface& old = texture.surface();
    if (old.empty())
        return;
    auto copy = std::make_unique<Surface>();
    if (!copy->create(swapsSides ? old.height : old.width, swapsSides ? old.width : old.height, old.useDeviceDepth))
        return;
    transform(*copy, old);
    copy->hasTransparentColor = old.hasTransparentColor;
    copy->transparentColor = old.transparentColor;
    copy->frameDelay = old.frameDelay;
    texture.frames[0] = std::move(copy);
    texture.width = texture.frames[0]->width;
    texture.height = texture.frames[0]->height;
}

} // namespace

std::unique_ptr<Texture> Texture::load(const std::wstring& path, PowerOfTwo size) {
    auto texture = std::make_unique<Texture>();
    texture->name = fileName(path);
    if (isGifPath(path)) {
        texture->frames = loadGifFrames(path, true);
    } else {
        texture->frames.push_back(std::make_unique<Surface>());
        loadImage(*texture->frames[0], path, true);
    }
    if (texture->frames.empty())
        texture->frames.push_back(std::make_unique<Surface>());
    texture->frameCount = static_cast<int>(texture->frames.size());
    texture->animationEnabled = texture->loop = texture->frameCount >= 2;
    texture->width = texture->originalWidth = texture->surface().width;
    texture->height = texture->originalHeight = texture->surface().height;
    fitPowerOfTwo(*texture, size);
    return texture;
}

std::unique_ptr<Texture> Texture::blank(int width, int height, uint32_t color, PowerOfTwo size) {
    auto texture = std::make_unique<Texture>();
    texture->frames.push_back(std::make_unique<Surface>());
    if (texture->frames[0]->create(width, height, true))
        fillRect(*texture->frames[0], color, 0, 0, -1, -1);
    texture->width = texture->originalWidth = texture->surface().width;
    texture->height = texture->originalHeight = texture->surface().height;
    fitPowerOfTwo(*texture, size == PowerOfTwo::No ? size : PowerOfTwo::Stretch);
    return texture;
}

void Texture::setFrame(int index) {
    if (frameCount < 2)
        return;
    currentFrame = std::clamp(index, 0, frameCount - 1);
    if (frameListener)
        frameListener->frameChanged(*this, currentFrame);
}

// A random integer from 0 to the last frame, rounded half away from zero. Starting frames draw from
// a sequence of their own, so loading animated textures never shifts the game's shared sequence.
void Texture::setRandomFrame() {
    static RandomSequence startingFrames;
    setFrame(
        static_cast<int>(std::lround(nextRandom(startingFrames) * (1.0 / randomMax) * (frameCount - 1))));
}

void Texture::animate(float timeStep) {
    if (frameCount < 2)
        return;
    if (timeStep >= 0.0f) {
        elapsed += timeStep;
        if (!(elapsed > currentSurface().frameDelay))
            return;
        elapsed = 0.0f;
    }
    if (currentFrame + 1 < frameCount)
        setFrame(currentFrame + 1);
    else if (loop)
        setFrame(0);
}

void Texture::rotate(QuarterTurn direction) {
    replaceFirstFrame(*this, true,
                      [direction](Surface& copy, const Surface& old) { rotateSurface(copy, old, direction); });
}

void Texture::mirror() {
    replaceFirstFrame(*this, false, [](Surface& copy, const Surface& old) { mirrorSurface(copy, old); });
}

void Texture::flip() {
    replaceFirstFrame(*this, false, [](Surface& copy, const Surface& old) { flipSurface(copy, old); });
}

} // namespace velmora
