#pragma once
#include <QImage>
#include <QRect>
#include <functional>

#include "game/state.h"
#include "view/frame.h"

namespace tomaruk {

// The offscreen application the view tests draw under (made once, shared by every test).
void EnsureGuiApplication();

// Every pixel of the rectangle of `img` that satisfies `pick`, as a bounding box (empty when none).
QRect InkBox(const QImage& img, QRect area, const std::function<bool(QRgb)>& pick);
// Whether two images agree over a rectangle.
bool SameArea(const QImage& a, const QImage& b, QRect area);

// A game with the card table built and `seats` seats, every seat playing with no cards.
void SetUpTable(Game& g, int seats, int initialLine = 11);

}  // namespace tomaruk
