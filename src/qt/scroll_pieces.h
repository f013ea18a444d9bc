#pragma once
#include <QRect>
#include <QRegion>
#include <vector>

namespace sw4 {

// `region` cut into few, large rectangles, largest first, that cover it exactly and do not
// overlap. A region keeps itself as bands, and the drawing round the controls is dozens of thin
// strips: a window scrolled strip by strip paints again along every cut between them. A region
// of hundreds of edges a side comes back as its own bands.
std::vector<QRect> scrollPieces(const QRegion& region);

}  // namespace sw4
