// Pictures of circuits with accepted values at the ends of the range: every graph, the resonance
// curve and the vector diagram, in both axis modes, are well-formed SVG whose text holds only
// what was computed (no NUL, no stray bytes a formatter failed to write).
#include "support/recording_platform.h"
#include "ui/command_line.h"
#include "ui/export_command.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

class ExtremePictures : public ::testing::Test, protected testing::RecordingPlatform {};

TEST_F(ExtremePictures, AreWellFormedSvgOfPrintableText) {
    const char* const tasks[] = {
        "L = 2000\nC = 5000\nR = 0.020\nUo = 0\nEm = 1e-60\nnu = 47\nNmax = 2\n",
        "L = 2000\nC = 5000\nR = 0.020\nUo = 1e100\nEm = 1e100\nnu = 47\nNmax = 2\n",
        "L = 2000\nC = 5000\nR = 0.020\nUo = 1e-200\nEm = 0\nnu = 0\nNmax = 2\n",
        "L = 1e-3\nC = 1e6\nR = 1e5\nUo = 1e150\nEm = 1e-150\nnu = 1e6\nNmax = 2\n",
    };
    const char* const pictures[] = {"Ul", "Uc", "Ur", "I", "W", "UI", "resonance", "vector"};
    QTemporaryDir folder;
    int task_number = 0;
    for (const char* task : tasks) {
        const QString task_path = folder.filePath(QString("t%1.ovrelan").arg(++task_number));
        QFile file(task_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(task);
        file.close();
        for (const char* name : pictures) {
            for (const char* axes : {"si", "norm"}) {
                SCOPED_TRACE(std::string(task) + name + " " + axes);
                const QString svg = folder.filePath(QString("%1_%2.svg").arg(name, axes));
                const CommandLine line = parse_command_line(
                    {"ovrelan", "--export-graph", name, svg, "--axes", axes, task_path});
                ASSERT_EQ(line.action, CommandLine::Action::export_graph);
                const ExportOutcome outcome = export_graph(line, platform);
                ASSERT_EQ(outcome.exit_status, 0) << outcome.message.toStdString();
                QFile picture(svg);
                ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
                const QByteArray bytes = picture.readAll();
                EXPECT_FALSE(bytes.contains('\0'));
                QXmlStreamReader xml(bytes);
                while (!xml.atEnd()) {
                    xml.readNext();
                }
                EXPECT_FALSE(xml.hasError())
                    << xml.errorString().toStdString() << " at line " << xml.lineNumber();
                // Every character of the text is one a person can read.
                for (const QChar c : QString::fromUtf8(bytes)) {
                    EXPECT_TRUE(c.isPrint() || c.isSpace()) << static_cast<int>(c.unicode());
                }
            }
        }
    }
}

} // namespace
} // namespace ovrelan
