// The minimap: a top-down picture of the hole taken once at load with the tree line and the cup
// drawn on it, shown in the top right corner with the players' balls and the current aim; and the
// camera's start behind the ball.
#include "game/game_canvas.h"

#include "platform/drawing.h"
#include "platform/ui_scale.h"
#include "surface/blitters.h"

namespace velmora {

namespace {
constexpr float overheadHeight = 4800.0f;
constexpr float overheadFarClip = 10000.0f;
constexpr int fromRightEdge = 4;
constexpr int belowTopPanel = 45;
constexpr int cupMarkHalf = 3;
constexpr int ballMark = 2;
constexpr float aimLineLength = 100.0f;
constexpr int viewCentreDrop = 35;               // the view's centre lies this far below the page's middle
constexpr Vector3 startEye{0.0f, 10.0f, 150.0f}; // in the ball's frame: ahead, toward the hole
} // namespace

void GameCanvas::makeMinimap() {
    Surface* page = backBuffer();
    if (!page || !camera || !mainScene->painter)
        return;
    course->farClip = overheadFarClip;
    camera->setEye({0.0f, overheadHeight, 0.0f});
    camera->setTarget({0.0f, 1.0f, -0.1f});
    camera->setUp({0.0f, 1.0f, 0.0f});
    fillRect(*page, backgroundColour, mainScene->x, mainScene->y, mainScene->width, mainScene->height);
    mainScene->painter->draw(-1.0f);

    minimapScale =
        camera->project({courseWidth, 0.0f, courseDepth}, mainScene->view.settings.frontClip).scale;
    const int width = static_cast<int>(minimapScale * courseWidth);
    const int height = static_cast<int>(minimapScale * courseDepth);
    course->farClip = -1.0f;
    if (width <= 0 || height <= 0 || !minimap.create(width, height, true))
        return;
    const CameraViewport& view = camera->viewport();
    copyBlit(minimap, *page, 0, 0,
             Rect{mainScene->x + view.centreX - width / 2, mainScene->y + view.centreY - height / 2, width,
                  height});
    minimapX = pageWidth() - scaled(fromRightEdge) - width;
    minimapY = (sptTopPanel ? sptTopPanel->y : 0) + (sceneGUI ? sceneGUI->y : 0) + scaled(belowTopPanel);

    // Seen from above, x runs to the left and z down the picture.
    const auto mapped = [&](const Vector3& p) {
        return POINT{width / 2 - static_cast<int>(minimapScale * p.x),
                     static_cast<int>(minimapScale * p.z) + height / 2};
    };
    HDC dc = minimap.memoryDC;
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, dashedPen_);
    if (boundary.treeLine.size() >= 4) {
        std::vector<POINT> ring;
        for (size_t i = 0; i + 1 < boundary.treeLine.size(); ++i)
            ring.push_back(mapped(boundary.treeLine[i]));
        Polygon(dc, ring.data(), static_cast<int>(ring.size()));
    }
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(dc, red);
    const POINT cup = mapped(cupPosition);
    const int half = scaled(cupMarkHalf);
    Rectangle(dc, cup.x - half, cup.y - half, cup.x + half, cup.y + half);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Rectangle(dc, 0, 0, width, height);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(red);
}

void GameCanvas::startCamera() {
    if (!camera)
        return;
    const CameraViewport& view = camera->viewport();
    camera->setCentre(view.width / 2, pageHeight() / 2 - mainScene->y + scaled(viewCentreDrop));
    camera->setEye(ball->group->transform.transformPoint(startEye));
    if (terrain_.surfaces.outer)
        terrain_.surfaces.outer->visible = false; // only the minimap shows the land beyond the trees
    takeCameraView(CameraView::Aim);
    camera->update(1.0f);
}

void GameCanvas::drawMinimap() {
    Surface* page = backBuffer();
    if (!page || minimap.empty())
        return;
    copyBlit(*page, minimap, minimapX, minimapY);
    const auto mapped = [&](const Vector3& p) {
        return POINT{minimapX - static_cast<int>(minimapScale * p.x) + minimap.width / 2,
                     minimapY + static_cast<int>(minimapScale * p.z) + minimap.height / 2};
    };
    const auto inside = [&](const POINT& p) {
        return p.x > minimapX && p.x < minimapX + minimap.width && p.y > minimapY &&
               p.y < minimapY + minimap.height;
    };
    const int mark = scaled(ballMark);
    for (size_t i = 0; i < players.size(); ++i) {
        const POINT p = mapped(players[i].location);
        if (static_cast<int>(i) != currentPlayer && inside(p))
            fillRect(*page, 0x00FFFF, p.x, p.y, mark, mark);
    }
    const POINT own = mapped(ball->position);
    if (inside(own))
        fillRect(*page, 0xFFFF00, own.x, own.y, mark, mark);
    if (ballAtRest && !ballOutOfBounds) {
        const POINT ahead = mapped(ball->position + ball->aim() * aimLineLength);
        HDC dc = drawingContext();
        HGDIOBJ previousPen = SelectObject(dc, GetStockObject(WHITE_PEN));
        MoveToEx(dc, own.x, own.y, nullptr);
        LineTo(dc, ahead.x, ahead.y);
        SelectObject(dc, previousPen);
    }
}

} // namespace velmora
