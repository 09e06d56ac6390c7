#include "graphs/graph_window.h"
#include "support/window_fixture.h"
#include "ui/graph_windows.h"
#include "ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

class ReportMenu : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().clear();
        WindowTest::SetUp();
        window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    }
    void trigger(const char* name) { window->findChild<QAction*>(name)->trigger(); }
    static QByteArray head(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
    }
    QTemporaryDir dir;
};

// «Сохранить для отчёта…» as a PDF: the PDF and the results beside it, nothing to say.
TEST_F(ReportMenu, SavesAPdfAndItsTable) {
    window->graph_box(GraphId::Uc)->setChecked(true);
    dialogs.save_as = dir.filePath("otchet.pdf");
    dialogs.filter = 0;
    trigger("mnuFileSaveReport");
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes[0].text.toStdString();
    EXPECT_EQ(head(dir.filePath("otchet.pdf")), "%PDF-");
    EXPECT_TRUE(QFile::exists(dir.filePath("otchet.csv")));
    EXPECT_EQ(dialogs.asked.back(), "Сохранить для отчёта");
}

// As a folder: the tables, the open graphs as SVG (and only those), the results.
TEST_F(ReportMenu, SavesAFolderOfTheOpenGraphs) {
    window->graph_box(GraphId::Uc)->setChecked(true);
    window->graph_box(GraphId::Ik)->setChecked(true);
    dialogs.save_as = dir.filePath("papka");
    dialogs.filter = 1;
    trigger("mnuFileSaveReport");
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes[0].text.toStdString();
    const QDir folder(dir.filePath("papka"));
    for (const char* file :
         {"otchet.html", "otchet.txt", "rezultaty.csv", "Uc(t).svg", "I(t).svg"}) {
        EXPECT_TRUE(folder.exists(file)) << file;
    }
    EXPECT_FALSE(folder.exists("W(t).svg")) << "a graph not open is not in the report";
}

// A folder where a file stands is refused with a message.
TEST_F(ReportMenu, AFileInTheFoldersPlaceIsSaid) {
    QFile file(dir.filePath("zanyato"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    dialogs.save_as = dir.filePath("zanyato");
    dialogs.filter = 1;
    trigger("mnuFileSaveReport");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Ошибка");
    EXPECT_TRUE(boxes.boxes[0].text.contains("файл, а не папка"))
        << boxes.boxes[0].text.toStdString();
}

// «Рабочий лист по задаче…»: the sheet where asked and the key beside it, both named in a box; a
// broken task makes none and says why.
TEST_F(ReportMenu, MakesAWorksheetAndItsKey) {
    const QString task = dir.filePath("zadacha.ovrelan");
    QFile file(task);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("L = 2000\nC = 500\nR = 4\nUo = 15\nEm = 0\nnu = 0\nNmax = 3\n"
               "title = Критическое сопротивление\nrows = R: 1; 8\nmeasure = Режим | regime\n"
               "question = Когда Uc меняет знак?\nanswer = При R < Rк.\n");
    file.close();
    dialogs.open = task;
    dialogs.save_as = dir.filePath("list");
    trigger("mnuFileWorksheet");
    EXPECT_EQ(dialogs.suggestions.back(), "zadacha_list.pdf");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Рабочий лист по задаче");
    EXPECT_TRUE(boxes.boxes[0].text.contains("list_otvety.pdf"))
        << boxes.boxes[0].text.toStdString();
    EXPECT_EQ(head(dir.filePath("list.pdf")), "%PDF-");
    EXPECT_EQ(head(dir.filePath("list_otvety.pdf")), "%PDF-");

    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("L = 2000\n");
    file.close();
    dialogs.save_as = dir.filePath("drugoi.pdf");
    trigger("mnuFileWorksheet");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].title, "Ошибка");
    EXPECT_TRUE(boxes.boxes[1].text.contains("не заданы поля"))
        << boxes.boxes[1].text.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("drugoi.pdf")));
}

} // namespace
} // namespace ovrelan
