// ovrelan-make-docs: made at build time, never installed. Draws the documents' figures with the
// program itself, turns the Markdown sources into PDFs (QTextDocument → QPdfWriter, with page
// numbers and, for the long ones, a table of contents) and draws the
// program's icon as PNGs and an SVG, all on the offscreen platform.
//
//   ovrelan-make-docs docs SOURCE_DIR OUT_DIR         the Russian documents
//   ovrelan-make-docs docs-en SOURCE_DIR OUT_DIR      the English ones, their figures in English
//   ovrelan-make-docs icons OUT_DIR
#include "graphs/graph_export.h"
#include "graphs/graph_window.h"
#include "model/examples.h"
#include "platform/document_viewer.h"
#include "platform/drawing_surface.h"
#include "platform/paged_document.h"
#include "platform/platform.h"
#include "platform/translations.h"
#include "run/run_controller.h"
#include "scene/circuit_scene.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/menu_icons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTranslator>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace ovrelan;

// The platform of a program nobody looks at: boxes, tones and dialogs answer nothing.
struct SilentPlatform {
    struct Boxes final : MessageBoxes {
        void show_ok(QWidget*, const QString&, const QString&) override {}
        bool ask_yes_no(QWidget*, const QString&, const QString&) override { return true; }
    } boxes;
    struct Silence final : Tone {
        void play(int) override {}
    } tone;
    struct NoDocuments final : Documents {
        void open_document(const QStringList&) override {}
        void edit_text(const QStringList&) override {}
    } documents;
    struct NoDialogs final : Dialogs {
        QString save_file(QWidget*, const QString&, const QString&, const QStringList&, int*,
                          int) override {
            return {};
        }
        QString open_file(QWidget*, const QString&, const QStringList&) override { return {}; }
        std::optional<QString> ask_text(QWidget*, const QString&, const QString&,
                                        const QString&) override {
            return std::nullopt;
        }
        bool print(QWidget*, const PagePainter&) override { return false; }
    } dialogs;
    Platform platform{boxes, tone, documents, dialogs};
};

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

bool save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        std::fprintf(stderr, "ovrelan-make-docs: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// One graph of a ready-made circuit (an example of the menu) after its whole run, as the program
// saves it for a report; a field given in `changes` replaces the example's text.
struct Figure {
    const char* file;
    GraphId graph;
    const char* example;
    std::array<const char*, 7> changes{}; // L, C, R, Uo, Em, nu, Nmax
};

const Figure figures[] = {
    {"kolebatelnyi.png",
     GraphId::Uc,
     "Слабое затухание",
     {nullptr, nullptr, nullptr, nullptr, "0", "0", "10"}},
    {"kriticheskii.png", GraphId::Uc, "Критический режим"},
    {"aperiodicheskii.png", GraphId::Uc, "Апериодический режим"},
    {"rezonans.png", GraphId::Uc, "Резонанс"},
    {"bienia.png", GraphId::Uc, "Биения"},
    {"zaryad_rc.png", GraphId::Uc, "Заряд конденсатора (RC, постоянная ЭДС)"},
    {"tok_rl.png", GraphId::Ik, "Установление тока в катушке (RL)"},
    {"lc_napryazhenie.png",
     GraphId::Uc,
     "Контур без потерь (LC)",
     {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "3"}},
    {"lc_tok.png",
     GraphId::Ik,
     "Контур без потерь (LC)",
     {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "3"}},
};

// The texts of a figure's circuit: its example's, with its changes.
std::array<QString, 7> figure_texts(const Figure& f) {
    std::array<QString, 7> texts;
    for (const Example& example : examples()) {
        if (example.name == f.example) {
            for (std::size_t k = 0; k < 7; ++k) {
                texts[k] = f.changes[k] != nullptr
                               ? QString(f.changes[k])
                               : QString::fromUtf8(example.texts[k].data(),
                                                   static_cast<qsizetype>(example.texts[k].size()));
            }
            return texts;
        }
    }
    std::fprintf(stderr, "ovrelan-make-docs: no example «%s»\n", f.example);
    std::exit(1);
}

bool draw_figures(const QString& out) {
    QDir().mkpath(out);
    SilentPlatform silent;
    MainWindow window(silent.platform);
    window.show();
    settle();
    bool ok = save(window.grab().toImage(), out + "/glavnoe_okno.png");
    for (const Figure& f : figures) {
        const std::array<QString, 7> texts = figure_texts(f);
        for (std::size_t k = 0; k < 7; ++k) {
            window.field(static_cast<Field>(k))->setText(texts[k]);
        }
        GraphWindow* graph = window.graph(f.graph);
        window.findChild<QAction*>("mnuRunFinish")->trigger();
        settle();
        QString error;
        if (!write_graph_picture(*graph->view(), window.state(), out + "/" + f.file,
                                 QSize(1200, 480), &error)) {
            std::fprintf(stderr, "ovrelan-make-docs: %s: %s\n", f.file, qPrintable(error));
            ok = false;
        }
    }
    // The circuit during a run, with both fields: the start-up circuit where the current is large
    // and the capacitor still charged.
    const std::array<QString, 7> start = figure_texts({"", GraphId::Uc, "Слабое затухание"});
    for (std::size_t k = 0; k < 7; ++k) {
        window.field(static_cast<Field>(k))->setText(start[k]);
    }
    window.findChild<QCheckBox*>("Check_E")->setChecked(true);
    window.findChild<QCheckBox*>("Check_B")->setChecked(true);
    const SimulationState& s = window.state();
    std::size_t best = 0;
    for (std::size_t k = 0; k < 100 && k < s.I_t.size(); ++k) {
        if (std::fabs(s.I_t[k] * s.Uc_t[k]) > std::fabs(s.I_t[best] * s.Uc_t[best])) {
            best = k;
        }
    }
    window.simulation().show_position(static_cast<int>(best));
    window.scene()->show_key(false);
    settle();
    const QWidget* picture = window.findChild<DrawingSurface*>("Picture1");
    ok = save(window.client_area()->grab(picture->geometry()).toImage(), out + "/polya.png") && ok;
    window.run()->abort();
    return ok;
}

// The sources link to each other's Markdown, which the program's own window shows; in the PDFs
// the same links lead to the PDFs beside them.
void link_to_pdfs(QTextDocument& document) {
    struct Link {
        int from;
        int to;
        QTextCharFormat format;
    };
    std::vector<Link> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const QUrl target(format.anchorHref());
            if (!format.isAnchor() || !target.isRelative() || !target.path().endsWith(".md")) {
                continue;
            }
            QUrl pdf = target;
            pdf.setPath(target.path().chopped(3) + ".pdf");
            format.setAnchorHref(pdf.toString());
            links.push_back({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    for (const Link& link : links) {
        QTextCursor cursor(&document);
        cursor.setPosition(link.from);
        cursor.setPosition(link.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(link.format);
    }
}

bool make_pdf(const QString& source, const QString& out_dir, const QString& name) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "ovrelan-make-docs: cannot read %s\n", qPrintable(source));
        return false;
    }
    const QString markdown = QString::fromUtf8(file.readAll());
    QPdfWriter writer(out_dir + "/" + name + ".pdf");
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(144);
    writer.setCreator("Ovrelan");
    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(out_dir + "/"));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11.5);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    link_to_pdfs(document);
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    // The page's number stands in a band at its foot, beneath the text.
    document.setPageSize(QSizeF(page.width(), page.height() - page_number_band(font, nullptr)));
    fit_figures(document, page.width() * 0.95); // no wider than the text
    // A long document opens with its contents: each section and the page it starts on.
    insert_contents(document, 2, 4);
    const QString title = document.firstBlock().text();
    writer.setTitle(title);
    if (!print_with_page_numbers(document, writer)) {
        std::fprintf(stderr, "ovrelan-make-docs: cannot write %s.pdf\n", qPrintable(name));
        return false;
    }
    return true;
}

// The documents of each language, by the names of their sources; the instruction file beside them.
const std::vector<const char*> russian_documents = {"spravka",     "kontur",   "katushka",
                                                    "kondensator", "resistor", "uprav"};
const std::vector<const char*> english_documents = {"overview",  "circuit",  "coil",
                                                    "capacitor", "resistor", "controls"};

bool make_documents(const QString& sources, const QString& out,
                    const std::vector<const char*>& names) {
    bool ok = draw_figures(out + "/figures");
    for (const char* name : names) {
        const QString source = sources + "/" + name + ".md";
        ok = make_pdf(source, out, name) && ok;
        QFile::remove(out + "/" + name + ".md");
        ok = QFile::copy(source, out + "/" + name + ".md") && ok; // for the program's own window
    }
    QFile::remove(out + "/instruction.txt");
    return QFile::copy(sources + "/instruction.txt", out + "/instruction.txt") && ok;
}

bool make_icons(const QString& out) {
    bool ok = true;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        QDir().mkpath(dir);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint_app_icon(painter, QRectF(0, 0, size, size));
        painter.end();
        ok = save(image, dir + "/org.ovrelan.Ovrelan.png") && ok;
    }
    const QString scalable = out + "/hicolor/scalable/apps";
    QDir().mkpath(scalable);
    QSvgGenerator svg;
    svg.setFileName(scalable + "/org.ovrelan.Ovrelan.svg");
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle("Ovrelan");
    QPainter painter(&svg);
    paint_app_icon(painter, QRectF(0, 0, 64, 64));
    painter.end();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("OvrelanBuild");
    const QStringList args = QApplication::arguments();
    const bool english = args.size() == 4 && args[1] == "docs-en";
    // The figures as a student of the document's language sees them, with decimal commas in
    // Russian and points in English (the documents' own numbers), whatever the locale of the
    // build; the English ones with the program's English texts.
    if (english) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTranslator* translator = english_translator(&app);
        if (translator == nullptr) {
            std::fprintf(stderr, "ovrelan-make-docs: no English translation\n");
            return 1;
        }
        QApplication::installTranslator(translator);
    } else {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }
    translate_core_texts();
    bool ok = false;
    if (args.size() == 4 && args[1] == "docs") {
        ok = make_documents(args[2], args[3], russian_documents);
    } else if (english) {
        ok = make_documents(args[2], args[3], english_documents);
    } else if (args.size() == 3 && args[1] == "icons") {
        ok = make_icons(args[2]);
    } else {
        std::fprintf(stderr, "usage: ovrelan-make-docs docs|docs-en SOURCE_DIR OUT_DIR | icons "
                             "OUT_DIR\n");
        return 2;
    }
    return ok ? 0 : 1;
}
