// The program's own small pictures, drawn with QPainter: the tool-bar icons, the pictures of
// the three graph patterns and the About box's icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarn {

enum class ToolIcon { Open, Scatter, Mesh, Contour, Redraw, Save };

QIcon MakeToolIcon(ToolIcon which);
// A small drawing of the frame style of graph pattern 1, 2 or 3.
QPixmap MakePatternPicture(int pattern, int side);
QPixmap MakeAppIcon(int side);

}  // namespace tarn
