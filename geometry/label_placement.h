// Names placed beside arrows (and beside points, such as an angle's arc) so that no two names
// meet and no name covers an arrow's head: each name tries places along its arrow on either
// side, the middle first, then beyond the head; of the free places it takes the one that
// crosses the fewest arrows and lines. A name with no free place is left out.
#pragma once

#include "geometry/graph_axes.h"

#include <string>
#include <vector>

namespace ovrelan {

// An arrow in pixels (y down), from its tail to its head.
struct LabelArrow {
    double x0 = 0, y0 = 0;
    double x1 = 0, y1 = 0;
};

// A name to place: beside arrow `arrow` (an index into the arrows), or, when arrow < 0, on the
// point (x, y) or else around it.
struct LabelRequest {
    std::string text;
    TextExtent extent;
    int arrow = -1;
    double x = 0, y = 0;
};

struct PlacedLabel {
    std::string text;
    PixelBox box;
    bool placed = false; // false: no free place (box is then empty)
};

struct LabelRoom {
    PixelBox area;               // every name stays inside
    double head = 12;            // the arrows' heads: this long, from the head backwards
    double clearance = 4;        // between a name and its arrow or point
    std::vector<PixelBox> taken; // boxes already drawn there (a caption)
    // Lines drawn without a head (an angle's arc): a name had better not cross them.
    std::vector<LabelArrow> lines;
};

// In the order asked: the first name gets the best place.
std::vector<PlacedLabel> place_labels(const std::vector<LabelArrow>& arrows,
                                      const std::vector<LabelRequest>& labels,
                                      const LabelRoom& room);

// The box an arrow's head covers (its triangle's bounds), for `head` pixels of head.
PixelBox head_box(const LabelArrow& arrow, double head);

// Whether the segment from (x0, y0) to (x1, y1) passes through the box.
bool crosses(const PixelBox& box, double x0, double y0, double x1, double y1);

} // namespace ovrelan
