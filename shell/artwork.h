#pragma once
// The program's own pictures, drawn in code so that the window icon, the
// installed icon and the splash image come from one drawing each.

#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

namespace zentabl {

// A dark rounded tile with yellow brackets around a 3 x 3 grid: the program icon.
void PaintIcon(QPainter& painter, const QRectF& area);
QImage IconImage(int side);
QIcon ProgramIcon();

// The start-up picture: the program's name beside a bracketed matrix.
QImage SplashImage(int width, int height);

} // namespace zentabl
