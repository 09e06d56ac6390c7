#include "ui/command_line.h"

#include "geometry/picture_size.h"
#include "graphs/graph_export.h"
#include "model/sweep_values.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <optional>

namespace ovrelan {

namespace {

const QString usage = QStringLiteral(
    "Использование: ovrelan [--help] [--version] [--layout one|windows] [ЗАДАЧА]\n"
    "               ovrelan --export-graph ГРАФИК ФАЙЛ [--size ШxВ] [--axes si|norm]\n"
    "                       [--sweep ИМЯ=ЗНАЧЕНИЯ] [ЗАДАЧА]\n"
    "               ovrelan --report ПАПКА|ФАЙЛ.pdf [ЗАДАЧА]\n"
    "               ovrelan --worksheet ФАЙЛ.pdf [--answers ФАЙЛ.pdf] ЗАДАЧА");
const QString description =
    QStringLiteral("Ovrelan — учебный тренажёр по переходным процессам в последовательном контуре\n"
                   "из катушки, конденсатора, резистора, ключа и источника ЭДС.");

struct OptionText {
    QStringList names;
    const char* shown;
    const char* text;
};

const OptionText option_texts[] = {
    {{"h", "help"}, "-h, --help", "показать эту справку и выйти"},
    {{"v", "version"}, "-v, --version", "показать версию программы и выйти"},
    {{"export-graph"},
     "--export-graph ГРАФИК ФАЙЛ",
     "нарисовать график (Ul, Uc, Ur, I, W или UI), резонансную кривую (resonance или res) или "
     "векторную диаграмму (vector или vec) задачи или начальной цепи в файл PNG, SVG или PDF без "
     "окна и выйти; ГРАФИК — большими или малыми буквами"},
    {{"size"},
     "--size ШxВ",
     "размер рисунка PNG или SVG в пикселях (1600x900): не больше 7680 по стороне и 7680x4320 "
     "всего (изображение такого рисунка — 127 МиБ памяти, программа при записи PNG — около "
     "0,3 ГБ); не меньше, чем нужно заголовку в 4 строки и графику 320x140 (надписи растут с "
     "шириной рисунка)"},
    {{"axes"}, "--axes si|norm", "оси в физических единицах (si) или в нормированных (norm)"},
    {{"sweep"},
     "--sweep ИМЯ=ЗНАЧЕНИЯ",
     "вместе с --export-graph: семейство кривых по параметру L, C, R, Uo, Em или nu, до 8 "
     "значений, каждое — как если бы его ввели в поле: R=0.5,1.265,3; R=0,5;1,265;3; "
     "R=0.5Rk,Rk,2Rk; nu=0.9nu0,nu0,1.1nu0; ряд R=0.5..3:5 или C=100..10000:5:log. Кривые "
     "рисуются своими цветами и штрихами, в легенде — их значения. Значение, которое модель не "
     "приняла бы, названо с причиной, его кривой нет, код выхода 3"},
    {{"layout"},
     "--layout one|windows",
     "на этот запуск: всё в одном окне (one) или графики в отдельных окнах (windows); без "
     "него — как было в прошлый раз"},
    {{"report"},
     "--report ПАПКА|ФАЙЛ.pdf",
     "сохранить для отчёта всё о задаче или начальной цепи без окна и выйти: в папку — таблицу "
     "параметров, режима и значений панели (otchet.html и otchet.txt), каждый график в SVG и "
     "результаты rezultaty.csv; или в один PDF на листах A4 (графики векторные, страницы "
     "пронумерованы) и рядом с ним таблицу результатов с тем же именем и расширением .csv"},
    {{"worksheet"},
     "--worksheet ФАЙЛ.pdf",
     "сделать из файла задачи рабочий лист для учащихся (цепь, цель, что сделать, таблица, "
     "вопросы, место для записей; без ответов) и выйти"},
    {{"answers"},
     "--answers ФАЙЛ.pdf",
     "вместе с --worksheet: ещё и лист ответов — таблица с рассчитанными значениями, ответ из "
     "задачи и графики"},
};

std::optional<QSize> size_of(const QString& text) {
    const QStringList parts = QString(text).replace(u'×', u'x').toLower().split('x');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool w_ok = false;
    bool h_ok = false;
    const long long w = parts[0].trimmed().toLongLong(&w_ok);
    const long long h = parts[1].trimmed().toLongLong(&h_ok);
    if (!w_ok || !h_ok || !within_picture_limits(w, h)) {
        return std::nullopt;
    }
    return QSize(static_cast<int>(w), static_cast<int>(h));
}

QString help_text() {
    QString text = usage + "\n\n" + description + "\n\n";
    for (const OptionText& o : option_texts) {
        text += QString("  %1\n      %2\n").arg(o.shown, o.text);
    }
    return text + QString("  %1\n      %2\n")
                      .arg("ЗАДАЧА", "файл задачи (.ovrelan), который открыть при запуске, или "
                                     "файл измерений (.csv, .txt, .tsv, .dat): он откроется в "
                                     "окне просмотра");
}

// QCommandLineParser's reasons, which it gives in English before any translation is loaded:
// every one it has (an unknown option is named by the caller), and in Russian any other.
QString russian_parse_error(const QString& text) {
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.?$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.*)'\\.?$"));
    if (const auto m = missing.match(text); m.hasMatch()) {
        return "после «" + m.captured(1) + "» нет значения";
    }
    if (const auto m = unexpected.match(text); m.hasMatch()) {
        return "у «" + m.captured(1) + "» не бывает значения";
    }
    // Qt's own Russian, where its translation is loaded: as it is, in the sentence.
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    if (text.contains(cyrillic)) {
        QString said = text.trimmed();
        if (said.endsWith('.')) {
            said.chop(1);
        }
        return said.left(1).toLower() + said.mid(1);
    }
    return QStringLiteral("ошибка в командной строке");
}

} // namespace

std::optional<GraphKind> graph_of_name(const QString& name) {
    const QString n = name.toLower();
    if (n == "ul" || n == "el" || n == "εl") {
        return GraphKind::UL;
    }
    if (n == "uc") {
        return GraphKind::Uc;
    }
    if (n == "ur") {
        return GraphKind::Ur;
    }
    if (n == "i") {
        return GraphKind::Ik;
    }
    if (n == "w") {
        return GraphKind::W;
    }
    if (n == "ui") {
        return GraphKind::UI;
    }
    return std::nullopt;
}

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(option_texts[0].names, option_texts[0].text);
    const QCommandLineOption version(option_texts[1].names, option_texts[1].text);
    const QCommandLineOption export_graph(option_texts[2].names, option_texts[2].text, "ГРАФИК");
    const QCommandLineOption size(option_texts[3].names, option_texts[3].text, "ШxВ");
    const QCommandLineOption axes(option_texts[4].names, option_texts[4].text, "si|norm");
    const QCommandLineOption sweep(option_texts[5].names, option_texts[5].text, "ИМЯ=ЗНАЧЕНИЯ");
    const QCommandLineOption layout(option_texts[6].names, option_texts[6].text, "one|windows");
    const QCommandLineOption report(option_texts[7].names, option_texts[7].text, "ПАПКА|ФАЙЛ.pdf");
    const QCommandLineOption worksheet(option_texts[8].names, option_texts[8].text, "ФАЙЛ.pdf");
    const QCommandLineOption answers(option_texts[9].names, option_texts[9].text, "ФАЙЛ.pdf");
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(export_graph);
    parser.addOption(size);
    parser.addOption(axes);
    parser.addOption(sweep);
    parser.addOption(layout);
    parser.addOption(report);
    parser.addOption(worksheet);
    parser.addOption(answers);
    CommandLine line;
    const auto error = [&](const QString& what) {
        line.action = CommandLine::Action::error;
        line.output = "ovrelan: " + what + "\n" + usage + "\n";
        line.exit_status = 2;
        return line;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return error(unknown.isEmpty() ? russian_parse_error(parser.errorText())
                                       : "неизвестный параметр «" + unknown.first() + "»");
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::help;
        line.output = help_text();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::version;
        line.output = QString("Ovrelan %1\n").arg(OVRELAN_VERSION);
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (static_cast<int>(parser.isSet(export_graph)) + static_cast<int>(parser.isSet(report)) +
            static_cast<int>(parser.isSet(worksheet)) >
        1) {
        return error("--export-graph, --report и --worksheet не задаются вместе");
    }
    if (parser.isSet(answers) && !parser.isSet(worksheet)) {
        return error("--answers задаётся только вместе с --worksheet");
    }
    if ((parser.isSet(report) || parser.isSet(worksheet)) &&
        (parser.isSet(size) || parser.isSet(axes) || parser.isSet(sweep) || parser.isSet(layout))) {
        return error("--size, --axes, --sweep и --layout не задаются вместе с --report и "
                     "--worksheet");
    }
    if (parser.isSet(report)) {
        if (files.size() > 1) {
            return error("лишний файл «" + files.at(1) + "»: отчёт — об одной задаче");
        }
        line.action = CommandLine::Action::report;
        line.picture = parser.value(report);
        line.task = files.value(0);
        return line;
    }
    if (parser.isSet(worksheet)) {
        const auto pdf_only = [](const QString& path) {
            return path.endsWith(".pdf", Qt::CaseInsensitive);
        };
        if (!pdf_only(parser.value(worksheet))) {
            return error("рабочий лист «" + parser.value(worksheet) +
                         "» сохраняется только в PDF: нужно имя с расширением .pdf");
        }
        if (parser.isSet(answers) && !pdf_only(parser.value(answers))) {
            return error("ответы «" + parser.value(answers) +
                         "» сохраняются только в PDF: нужно имя с расширением .pdf");
        }
        if (files.isEmpty()) {
            return error("не указан файл задачи: рабочий лист делается из задачи");
        }
        if (files.size() > 1) {
            return error("лишний файл «" + files.at(1) + "»: рабочий лист — по одной задаче");
        }
        line.action = CommandLine::Action::worksheet;
        line.picture = parser.value(worksheet);
        line.answers = parser.value(answers);
        line.task = files.at(0);
        return line;
    }
    if (parser.isSet(export_graph)) {
        const QString name = parser.value(export_graph).toLower();
        const auto kind = graph_of_name(name);
        if (name == "resonance" || name == "res") {
            line.picture_kind = CommandLine::Picture::resonance;
        } else if (name == "vector" || name == "vec") {
            line.picture_kind = CommandLine::Picture::vector;
        } else if (!kind) {
            return error("нет графика «" + parser.value(export_graph) +
                         "»: можно Ul, Uc, Ur, I, W, UI, resonance или vector");
        }
        if (files.isEmpty()) {
            return error("не указан файл рисунка");
        }
        if (files.size() > 2) {
            return error("лишний файл «" + files.at(2) + "»: рисуется одна задача");
        }
        if (!picture_format(files.at(0))) {
            return error(unknown_format_reason(files.at(0)));
        }
        line.graph = kind.value_or(GraphKind::Uc);
        line.picture = files.at(0);
        line.task = files.value(1);
        if (parser.isSet(size)) {
            const auto wanted = size_of(parser.value(size));
            if (!wanted) {
                return error("размер «" + parser.value(size) +
                             "» не подходит: нужно ШИРИНАxВЫСОТА, не больше 7680 по стороне и "
                             "7680x4320 всего, например 1600x900");
            }
            line.size = *wanted;
        }
        if (parser.isSet(axes)) {
            const QString a = parser.value(axes).toLower();
            if (a != "si" && a != "norm") {
                return error("оси «" + parser.value(axes) + "»: можно si или norm");
            }
            line.axes = a == "si" ? Axes::physical : Axes::normalised;
        }
        if (parser.isSet(sweep)) {
            if (line.picture_kind == CommandLine::Picture::vector) {
                return error("семейство кривых рисуется на графиках и резонансной кривой, не "
                             "на векторной диаграмме");
            }
            const auto argument = parse_sweep_argument(parser.value(sweep).toStdString());
            if (const auto* reason = std::get_if<std::string>(&argument)) {
                return error(QString::fromStdString(*reason));
            }
            line.sweep = parser.value(sweep);
        }
        line.action = CommandLine::Action::export_graph;
        return line;
    }
    if (parser.isSet(layout)) {
        const QString l = parser.value(layout).toLower();
        if (l != "one" && l != "windows") {
            return error("расположение «" + parser.value(layout) + "»: можно one или windows");
        }
        line.layout = l == "one" ? CommandLine::Layout::one_window : CommandLine::Layout::windows;
    }
    if (parser.isSet(size) || parser.isSet(axes) || parser.isSet(sweep)) {
        return error("--size, --axes и --sweep задаются только вместе с --export-graph");
    }
    if (files.size() > 1) {
        return error("лишний файл «" + files.at(1) + "»: программа открывает одну задачу");
    }
    line.task = files.value(0);
    return line;
}

} // namespace ovrelan
