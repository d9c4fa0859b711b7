// The golfer beside the ball: the swing of the club in play (the ball leaves the club at the swing's
// frame 13), the stance while aiming, and the reactions to what happened, played once.
#include "game/game_canvas.h"

#include "base/wide_string.h"

namespace velmora {

namespace {
constexpr const wchar_t* swingWords[] = {L"drive", L"drive", L"chip", L"putt", L"aim"};
constexpr const wchar_t* reactionWords[] = {L"angry", L"cheerful", L"indifferent"};
constexpr int puttAnimation = 3;
constexpr Vector3 golferBesideBall{-1.0f, 1.9f, -0.2f};
constexpr Vector3 golferBesidePutt{0.3f, 1.9f, -0.5f};
constexpr int impactFrame = 13;
constexpr int holdingPoseFrame = 13;     // where a finished player's reaction stops
constexpr int firstHoldingCharacter = 3; // characters whose reactions end on a held pose

bool nameHas(const Texture& texture, const wchar_t* part) {
    return texture.name.find(part) != std::wstring::npos;
}
} // namespace

void GameCanvas::setGolferAnimation(GolferMotion motion, int index) {
    if (!grpGolfer || grpGolfer->meshes->empty())
        return;
    const bool reaction = motion == GolferMotion::Reaction;
    const int count = reaction ? 3 : 5;
    index = index < 0 || index >= count ? 0 : index;
    golferPose_.set(
        Matrix4::translation(!reaction && index == puttAnimation ? golferBesidePutt : golferBesideBall));
    const int character = activePlayer().characterNo;
    const std::wstring file = reaction ? formatWide(L"exp_%ls%d.gif", reactionWords[index], character)
                                       : formatWide(L"%ls%d.gif", swingWords[index], character);
    Texture* texture = imageCache.lookup(resourcesFolder_ + formatWide(L"characters\\character%d", character),
                                         file, PowerOfTwo::Stretch);
    if (golferTexture_ && golferTexture_ != texture)
        golferTexture_->frameListener = nullptr;
    golferTexture_ = texture;
    if (!texture)
        return;
    texture->frameListener = nullptr;
    texture->setFrame(0);
    texture->elapsed = 0.0f;
    const bool aiming = !reaction && index == aimAnimationIndex;
    texture->animationEnabled = !aiming;
    texture->loop = aiming;
    texture->frameListener = this;
    aimAnimation_ = aiming ? texture : nullptr;
    if (Material3D* material = grpGolfer->meshes->front()->material) {
        material->texture = texture;
        material->alphaTexture = texture;
    }
}

void GameCanvas::runAimAnimation(bool running) {
    if (aimAnimation_)
        aimAnimation_->animationEnabled = running;
}

void GameCanvas::showExpression(Expression expression) {
    takeCameraView(CameraView::Golfer);
    setGolferAnimation(GolferMotion::Reaction, static_cast<int>(expression));
    golferView = true;
}

void GameCanvas::frameChanged(Texture& texture, int frame) {
    if (nameHas(texture, L"exp_")) {
        golferView = false;
        const Player& player = activePlayer();
        if (player.finishedThisHole) {
            if (player.characterNo >= firstHoldingCharacter && frame == holdingPoseFrame)
                texture.animationEnabled = false;
        } else if (frame == texture.frameCount - 1) {
            setGolferAnimation(GolferMotion::Swing, aimAnimationIndex);
        }
    } else if (nameHas(texture, L"SandSplash")) {
        if (frame == texture.frameCount - 1 && grpSandSplash)
            grpSandSplash->visible = false;
    } else if (frame == impactFrame && impactPending) {
        onImpact();
    }
}

} // namespace velmora
