// «Вид → Оформление» as a teacher uses it: each look chosen from the menu reaches the windows, the
// fields, the circuit, every graph's curves and a family's members at once, is remembered, and
// leaves the pictures for files in the light look unless asked; the light look gives back the
// desktop's own colours.
#include "geometry/family_palette.h"
#include "geometry/palette.h"
#include "graphs/graph_export.h"
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "graphs/resonance_window.h"
#include "graphs/stacked_graphs.h"
#include "platform/drawing_surface.h"
#include "support/window_fixture.h"
#include "ui/appearance.h"
#include "ui/family_table.h"
#include "ui/graph_windows.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

bool close_to(const QColor& c, Rgb want, int within = 8) {
    return std::abs(c.red() - want.r) <= within && std::abs(c.green() - want.g) <= within &&
           std::abs(c.blue() - want.b) <= within;
}

// Pixels of an image within a few levels of a colour.
int pixels_of(const QImage& image, Rgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += close_to(image.pixelColor(x, y), colour, 6) ? 1 : 0;
        }
    }
    return n;
}

class Palettes : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().clear();
        WindowTest::SetUp();
        desktop_window_ = QApplication::palette().color(QPalette::Window);
    }
    void TearDown() override {
        WindowTest::TearDown();
        QSettings().clear();
    }
    void choose(const char* item) {
        QAction* action = window->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        QApplication::processEvents();
    }
    GraphView* open_uc() {
        window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
        window->graph_box(GraphId::Uc)->setChecked(true);
        GraphWindow* uc = window->graph(GraphId::Uc);
        uc->resize(1000, 420);
        QApplication::processEvents();
        return uc->view();
    }
    // The graph's picture for a file, drawn onto an image.
    static QImage picture(GraphView* view) {
        QImage image(800, 450, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        picture_of(*view).draw(painter, QRectF(0, 0, 800, 450), 1);
        return image;
    }

    QColor desktop_window_;
};

struct LookCase {
    const char* item;
    PaletteKind kind;
    const char* remembered;
};

const LookCase looks[] = {
    {"mnuViewPaletteDark", PaletteKind::dark, "dark"},
    {"mnuViewPaletteContrast", PaletteKind::contrast, "contrast"},
    {"mnuViewPaletteLight", PaletteKind::light, "light"},
};

// Each look from the menu: remembered, and on every surface the program paints.
TEST_F(Palettes, EachLookReachesEverySurface) {
    GraphView* uc = open_uc();
    for (const LookCase& c : looks) {
        SCOPED_TRACE(c.remembered);
        choose(c.item);
        const Palette& look = palette_of(c.kind);
        EXPECT_EQ(window->palette(), c.kind);
        EXPECT_EQ(QSettings().value(MainWindow::palette_setting).toString(), c.remembered);
        EXPECT_TRUE(window->findChild<QAction*>(c.item)->isChecked());
        // The windows: the desktop's own colours in the light look, the look's in the others.
        const QColor app_window = QApplication::palette().color(QPalette::Window);
        if (c.kind == PaletteKind::light) {
            EXPECT_EQ(app_window, desktop_window_);
        } else {
            EXPECT_TRUE(close_to(app_window, look.window)) << app_window.name().toStdString();
            EXPECT_TRUE(
                close_to(QApplication::palette().color(QPalette::WindowText), look.window_text));
        }
        // A dialog's refusal reads on the window.
        const QColor refusal(refusal_style().section(' ', 1));
        const auto rgb = [](const QColor& q) {
            return Rgb{static_cast<std::uint8_t>(q.red()), static_cast<std::uint8_t>(q.green()),
                       static_cast<std::uint8_t>(q.blue())};
        };
        EXPECT_GE(contrast_ratio(rgb(refusal), rgb(app_window)), 4.5)
            << refusal_style().toStdString();
        // The parameter fields.
        const QPalette field = window->findChild<QLineEdit*>("Text1")->palette();
        EXPECT_TRUE(close_to(field.color(QPalette::Base), look.field));
        EXPECT_TRUE(close_to(field.color(QPalette::Text), look.window_text));
        // The circuit: its background and its wires.
        const auto* scene = window->findChild<DrawingSurface*>("Picture1");
        ASSERT_NE(scene, nullptr);
        EXPECT_TRUE(close_to(scene->pixel(1, 1), look.scene));
        EXPECT_GT(pixels_of(scene->image(), look.wire), 50) << "the wires";
        // The graph: its background and its curve in the look's colours.
        const QImage& layer = uc->layer();
        EXPECT_TRUE(close_to(layer.pixelColor(2, 2), look.plot));
        EXPECT_GT(pixels_of(layer, preview_tint(look.curve, look.plot, look.preview_contrast)), 100)
            << "the curve";
        // The resonance curve's window.
        window->graph_windows().set_extra_shown(Extra::resonance, true);
        QApplication::processEvents();
        const QImage resonance = window->graph_windows().resonance()->grab().toImage();
        EXPECT_TRUE(close_to(resonance.pixelColor(3, 3), look.plot));
        // Pictures for files keep the light look.
        EXPECT_TRUE(close_to(picture(uc).pixelColor(400, 300), white));
    }
}

// Graphs made after the look was chosen (the stacked window makes its graphs when they are shown)
// take it too.
TEST_F(Palettes, GraphsStackedLaterTakeTheLook) {
    choose("mnuViewPaletteDark");
    open_uc();
    window->graph_windows().set_always_stacked(true);
    window->graph_windows().stacked()->resize(900, 500);
    QApplication::processEvents();
    const GraphView* stacked = window->graph_windows().stacked()->view(GraphKind::Uc);
    ASSERT_NE(stacked, nullptr);
    EXPECT_TRUE(close_to(stacked->layer().pixelColor(2, 2), palette_of(PaletteKind::dark).plot));
}

// In the high-contrast look the curve is drawn twice as wide (seen where it is a line: a short
// stretch of time, not a band of a dense oscillation).
TEST_F(Palettes, HighContrastDrawsWiderLines) {
    GraphView* uc = open_uc();
    uc->set_time_window({0, uc->time_window().to * 0.02});
    QApplication::processEvents();
    const auto curve_pixels = [&](PaletteKind kind) {
        const Palette& look = palette_of(kind);
        return pixels_of(uc->layer(), preview_tint(look.curve, look.plot, look.preview_contrast));
    };
    // The grid keeps its width: it must not compete with the curves. Its vertical lines, crossed
    // by rows of the plot away from the axis: the widest run of grid-coloured pixels.
    const auto grid_width = [&](PaletteKind kind) {
        const QImage& layer = uc->layer();
        int widest = 0;
        for (const double at : {0.1, 0.15, 0.2, 0.3}) {
            const int y = static_cast<int>(at * layer.height());
            int run = 0;
            for (int x = 0; x <= layer.width(); ++x) {
                if (x < layer.width() &&
                    close_to(layer.pixelColor(x, y), palette_of(kind).grid, 70)) {
                    ++run;
                    continue;
                }
                if (run <= 8) { // longer: along a horizontal line of the grid
                    widest = std::max(widest, run);
                }
                run = 0;
            }
        }
        return widest;
    };
    const int light = curve_pixels(PaletteKind::light);
    const int light_grid = grid_width(PaletteKind::light);
    choose("mnuViewPaletteContrast");
    const int contrast = curve_pixels(PaletteKind::contrast);
    EXPECT_GT(light, 100);
    EXPECT_GT(contrast, 1.5 * light) << light << " pixels in the light look";
    EXPECT_GE(light_grid, 1);
    EXPECT_LE(grid_width(PaletteKind::contrast), light_grid)
        << light_grid << " pixels wide in the light look";
}

// Asked for, pictures take the screen's look; the choice is remembered.
TEST_F(Palettes, PicturesInTheLookWhenAsked) {
    GraphView* uc = open_uc();
    choose("mnuViewPaletteDark");
    EXPECT_TRUE(close_to(picture(uc).pixelColor(400, 300), white));
    choose("mnuViewPalettePictures");
    EXPECT_TRUE(QSettings().value(MainWindow::pictures_palette_setting).toBool());
    const QImage dark = picture(uc);
    EXPECT_TRUE(close_to(dark.pixelColor(400, 300), palette_of(PaletteKind::dark).plot));
    EXPECT_TRUE(close_to(dark.pixelColor(2, 2), palette_of(PaletteKind::dark).plot))
        << "the title's band too";
    choose("mnuViewPalettePictures");
    EXPECT_TRUE(close_to(picture(uc).pixelColor(400, 300), white));
}

// A family's members and their swatches in the table take the look's family colours, also for a
// family built before the look was changed.
TEST_F(Palettes, FamilyMembersFollowTheLook) {
    GraphView* uc = open_uc();
    window->set_family(FamilyRequest{Field::R, "0,5·Rк; Rк; 2·Rк", ','});
    QApplication::processEvents();
    choose("mnuViewPaletteDark");
    const Palette& dark = palette_of(PaletteKind::dark);
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_GT(pixels_of(uc->layer(), family_colour(dark, m)), 20) << "member " << m;
        const QTableWidget* table = window->family_table()->table();
        const QImage swatch = table->item(static_cast<int>(m), 0)->icon().pixmap(24, 12).toImage();
        EXPECT_TRUE(close_to(swatch.pixelColor(12, 6), family_colour(dark, m))) << "swatch " << m;
    }
}

// The look is remembered from one start to the next.
TEST_F(Palettes, RememberedAtTheNextStart) {
    choose("mnuViewPaletteContrast");
    boxes.answer_yes = true;
    window->close();
    window = std::make_unique<MainWindow>(platform);
    EXPECT_EQ(window->palette(), PaletteKind::contrast);
    EXPECT_TRUE(window->findChild<QAction*>("mnuViewPaletteContrast")->isChecked());
    EXPECT_TRUE(close_to(window->findChild<QLineEdit*>("Text1")->palette().color(QPalette::Base),
                         palette_of(PaletteKind::contrast).field));
}

} // namespace
} // namespace ovrelan
