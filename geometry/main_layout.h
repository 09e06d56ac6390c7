// The layout of the main window as a pure function of its client size.
#pragma once

#include <string>
#include <vector>

namespace ovrelan {

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Placement {
    std::string name; // the control's name: "Label0", "Text1", "Picture1", ...
    Rect rect;
};

struct MainLayout {
    std::vector<Placement> controls;
    double scene_width = 0;
    double scene_height = 0;
    double wire_width = 0;
    double carrier_radius = 0;

    // False when the client area is too small for a scene picture of positive size: the
    // window then keeps its previous layout and nothing is rebuilt.
    bool fits() const { return scene_width > 0 && scene_height > 0; }
    const Rect& at(const std::string& name) const;
};

// Places every control of the main window for a client area of this size: the parameter panel
// right-aligned at the top, the characteristics grid at the bottom left, the frames and the run
// controls under the parameter panel, the scene picture in the space left over.
MainLayout arrange_main_window(int scale_width, int scale_height);

struct ClientSize {
    int width = 0;
    int height = 0;
};

// The smallest client area at which no two controls overlap: the characteristics grid ends
// where the parameter panel begins, and the speed scroll bars begin where the frames end.
ClientSize minimum_client_size();

// The names of the pairs of controls whose rectangles overlap.
std::vector<std::pair<std::string, std::string>> overlapping_controls(const MainLayout& layout);

} // namespace ovrelan
