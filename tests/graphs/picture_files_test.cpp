// Picture files: only .png, .svg and .pdf are written (a name without an extension gets the
// chosen format's in the dialog); a PNG or SVG too small for its title and a legible plot is
// refused with the least size that would do; titles write decimal commas whatever the locale.
#include "graphs/graph_export.h"
#include "graphs/graph_render.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "support/recording_platform.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

class PictureFiles : public ::testing::Test, protected testing::RecordingPlatform {
protected:
    void SetUp() override {
        simulation.set_defaults(decimal_separator());
        simulation.compute_at_start_up();
        simulation.set_ready();
    }
    Simulation simulation;
    QTemporaryDir folder;
};

TEST_F(PictureFiles, OnlyThePicturesFormatsAreWritten) {
    ResonanceWindow window(simulation, platform);
    const Picture picture = window.picture();
    const struct {
        const char* name;
        bool written;
    } cases[] = {
        {"a.png", true}, {"b.SVG", true},  {"c.Pdf", true},      {"x.bmp", false},
        {"x", false},    {"x.jpg", false}, {"x.png.txt", false},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(c.name);
        QString error;
        EXPECT_EQ(write_picture(picture, path, QSize(800, 600), &error), c.written) << c.name;
        EXPECT_EQ(QFileInfo::exists(path), c.written) << c.name;
        if (!c.written) {
            EXPECT_TRUE(error.contains(".png, .svg или .pdf")) << error.toStdString();
        }
    }
    // The save dialog: an unknown extension is refused with a message and no file; a name
    // without one gets the chosen format's.
    dialogs.filter = 0;
    dialogs.save_as = folder.filePath("x.bmp");
    save_picture(nullptr, platform, picture);
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "Ошибка");
    EXPECT_EQ(boxes.boxes[0].text, "Рисунок не сохранён: расширение «.bmp» у «" +
                                       folder.filePath("x.bmp") +
                                       "» не подходит: рисунок сохраняется в файл .png, .svg или "
                                       ".pdf.");
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("x.bmp")));
    dialogs.save_as = folder.filePath("y");
    save_picture(nullptr, platform, picture);
    EXPECT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(QImage(folder.filePath("y.png")).size(), QSize(1600, 900));
}

// The sizes of the command line's --size: the least a picture takes, at the fonts it is drawn
// with. The resonance picture needs more height than a graph (its notes and two plots).
TEST_F(PictureFiles, TooSmallForTheTitleAndAPlotIsRefused) {
    ResonanceWindow resonance(simulation, platform);
    VectorWindow vector(simulation, platform);
    const Picture pictures[] = {resonance.picture(), vector.picture()};
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.title.toStdString());
        for (const QSize size : {QSize(200, 100), QSize(4000, 100), QSize(319, 2000)}) {
            const QString why = picture_size_refusal(picture, "a.png", size);
            EXPECT_TRUE(
                why.startsWith(QString("рисунок %1x%2 мал: ").arg(size.width()).arg(size.height())))
                << why.toStdString();
            EXPECT_TRUE(picture_size_refusal(picture, "a.pdf", size).isEmpty()) << "a page";
        }
        for (const QSize size : {QSize(1600, 900), QSize(1920, 1080), QSize(7680, 4320)}) {
            EXPECT_TRUE(picture_size_refusal(picture, "a.svg", size).isEmpty())
                << size.width() << "x" << size.height();
        }
        // The least size it names is taken, and one pixel less in height is not.
        const QString why = picture_size_refusal(picture, "a.png", QSize(200, 100));
        const QStringList numbers = why.section("не меньше ", 1).split('x');
        ASSERT_EQ(numbers.size(), 2) << why.toStdString();
        const QSize least(numbers[0].toInt(), numbers[1].toInt());
        EXPECT_GE(least.width(), 320);
        EXPECT_TRUE(picture_size_refusal(picture, "a.png", least).isEmpty());
        EXPECT_FALSE(picture_size_refusal(picture, "a.png", least - QSize(0, 1)).isEmpty());
        EXPECT_FALSE(picture_size_refusal(picture, "a.png", least - QSize(1, 0)).isEmpty());
    }
}

// The title is drawn whole, however many lines it takes at the width (four at 330 px: more than
// a fifth of a 300 px high picture), and the body beneath it.
TEST_F(PictureFiles, TheTitleIsDrawnWhole) {
    VectorWindow window(simulation, platform);
    const Picture picture = window.picture();
    const QSize size(330, 300);
    EXPECT_TRUE(picture_size_refusal(picture, "a.png", size).isEmpty());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    double top = 0;
    {
        QPainter painter(&image);
        top = draw_title(painter, QRectF(QPointF(0, 0), size), 1, picture.title);
    }
    EXPECT_GT(top, 0.2 * size.height()) << "a title of four lines";
    // The last line's lower half has its letters.
    const QFontMetricsF metrics(graph_font(1, true));
    int dark = 0;
    for (int y = static_cast<int>(top - 4 - metrics.height() / 2); y < top - 4; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 20);
}

// Russian titles write a decimal comma, under a locale with a decimal point too.
TEST_F(PictureFiles, TitlesWriteDecimalCommas) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    ResonanceWindow resonance(simulation, platform);
    VectorWindow vector(simulation, platform);
    for (const Picture& picture : {resonance.picture(), vector.picture()}) {
        EXPECT_TRUE(picture.title.contains("R = 0,02 Ом")) << picture.title.toStdString();
        EXPECT_FALSE(picture.title.contains("0.02")) << picture.title.toStdString();
    }
    QLocale::setDefault(before);
}

} // namespace
} // namespace ovrelan
