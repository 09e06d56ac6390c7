// ovrelan-solve: the circuit model without a window. Takes the seven parameters as a student
// types them, prints the messages, configuration, regime and state as JSON, and optionally the
// solution arrays as CSV.
#include "io/family_csv.h"
#include "io/file_writer.h"
#include "io/results_csv.h"
#include "io/system_errors.h"
#include "io/task_file.h"
#include "model/sentences.h"
#include "model/steady_state.h"
#include "tools/fit_report.h"
#include "tools/solve_report.h"
#include "tools/solve_sweep.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr const char* description =
    "ovrelan-solve: модель последовательного контура Ovrelan без окна.\n"
    "Начинает с начального состояния программы, берёт каждый заданный текст так, как если бы\n"
    "его ввели в это поле (и читает его так же: пробелы не в счёт, «1,5» читается как 1.5,\n"
    "«abc» — как 0), выполняет проверки полей и цепи с их поправками и печатает один объект\n"
    "JSON: \"messages\" (каждое сообщение, которое показала бы программа, с текстом, записанным\n"
    "в поле), \"configuration\", \"regime\", \"caption\" (цепь и режим, как их называет главное\n"
    "окно), \"steady_state\" (амплитуды и фаза, которые задаёт синусоидальный источник на\n"
    "частоте |nu|: I_m, phi, Z, U_Rm, U_Lm, U_Cm; null при постоянном источнике),\n"
    "\"resonance\" (nu0, пик U_Cm nu_C, полоса пропускания, её ширина и Q или причина, по\n"
    "которой резонансной кривой нет; оба — с точным π, а модель считает с 2π = 6.283185307:\n"
    "их nu0 различаются на 3e-11 своей величины). Здесь число, которое не конечно, — null, и\n"
    "объект говорит почему: \"unbounded\": true, когда при резонансе ток не ограничен\n"
    "резистором (I_m, U_Lm и U_Cm установившегося режима), или его имя в \"overflow\", когда\n"
    "оно за пределами чисел double (около 1.8e308). \"panel\" (Label12 ... Label26, как их "
    "показывает панель характеристик; null там, где цепь\n"
    "их не показывает) и \"state\" (все величины модели в единицах СИ, а также Nt_points и\n"
    "максимумы; величина, которую панель для этой цепи не показывает, может хранить значение\n"
    "прежней цепи). Расчёт, отклонённый из-за бесконечных чисел или слишком большого числа\n"
    "точек, даёт по сообщению на каждое поле, которое он возвращает.\n"
    "\n"
    "Код выхода: 0, когда все значения приняты как заданы; 3, когда значение отклонено или\n"
    "исправлено (JSON и CSV всё равно пишутся, с теми значениями, что оставила модель, а\n"
    "\"messages\" говорит, какие), или когда файл задачи содержит значения, которые модель\n"
    "отклонила бы или исправила (тогда ничего не считается); 2 при ошибке в командной строке\n"
    "или файле задачи, который нельзя прочитать; 1, когда вывод нельзя записать.";

// Writes the whole text and flushes it; false with errno set when any of it is lost.
bool write_all(std::FILE* out, std::string_view text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fflush(out) == 0 && written && std::ferror(out) == 0;
}

// Says what could not be written and why; exit status 1.
int fail(const std::string& what, const std::string& reason) {
    std::cerr << "ovrelan-solve: не удалось записать " << what << ": " << reason << '\n';
    return 1;
}

int fail_stream(const char* what) {
    return fail(what, ovrelan::system_reason(errno != 0 ? errno : EIO));
}

// A usage error: said, with where to look; exit status 2.
int usage_error(const std::string& what) {
    std::cerr << "ovrelan-solve: " << what << " (см. --help)\n";
    return 2;
}

// CLI11's reasons in Russian, with the argument it names.
std::string parse_error_text(const CLI::ParseError& e) {
    const std::string message = e.what();
    const auto colon = message.find(": ");
    const std::string named =
        colon == std::string::npos ? std::string() : message.substr(colon + 2);
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
        return "неизвестный параметр или лишнее значение: " + named;
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
        return "у параметра " + message.substr(0, colon) + " нет значения";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&e) != nullptr ||
        dynamic_cast<const CLI::ValidationError*>(&e) != nullptr) {
        return "значение не подходит: " + message;
    }
    return "ошибка в командной строке";
}

// CLI11's help with its columns counted in letters, not bytes: the names are Cyrillic.
class LetterColumns : public CLI::Formatter {
public:
    std::string make_option(const CLI::Option* opt, bool is_positional) const override {
        const std::string name =
            "  " + make_option_name(opt, is_positional) + make_option_opts(opt);
        const std::size_t width = get_column_width();
        std::size_t letters = 0;
        for (const char c : name) {
            letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        std::string out = name;
        const std::string indent(width, ' ');
        out += letters >= width ? "\n" + indent : std::string(width - letters, ' ');
        for (const char c : make_option_desc(opt)) {
            out += c;
            if (c == '\n') {
                out += indent;
            }
        }
        return out + "\n";
    }
};

// Writes a table through the file writer (or to stdout for '-'); the reason on failure.
bool write_table(const std::string& path, const std::function<bool(const ovrelan::CsvSink&)>& write,
                 std::string* reason) {
    if (path == "-") {
        errno = 0;
        const bool written = write([](std::string_view piece) {
            return std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
        });
        if (written && std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
            return true;
        }
        *reason = ovrelan::system_reason(errno != 0 ? errno : EIO);
        return false;
    }
    return ovrelan::write_file_whole(
        path, [&write](const ovrelan::FilePut& put) { return write(put); }, reason);
}

// --sweep NAME=VALUES: a family of curves over one parameter of the circuit the other options
// make.
struct SweepOption {
    std::string text;
    CLI::Option* option = nullptr;
    std::optional<ovrelan::Family> family;

    void add(CLI::App& app) {
        option = app.add_option("--sweep", text,
                                "семейство кривых: ИМЯ (L, C, R, Uo, Em, nu) и до 8 значений,\n"
                                "каждое — как если бы его ввели в это поле: R=0.5,1.265,3;\n"
                                "R=0,5;1,265;3 (через «;» — с десятичной запятой);\n"
                                "R=0.5Rk,Rk,2Rk и nu=0.9nu0,nu0,1.1nu0 (Rк и ν₀ цепи);\n"
                                "ряд R=0.5..3:5 или логарифмический C=100..10000:5:log.\n"
                                "В JSON добавляются \"family\" (по кривой: режим, δ, Θ, Q,\n"
                                "ν₀, пик резонанса) и \"family_refused\"; --csv и --resonance\n"
                                "пишут таблицы семейства: столбцы вида Uc_V[R=0.5], у кривых\n"
                                "с разными сетками — свои столбцы t_s[…] и nu_Hz[…]. Значение,\n"
                                "которое модель не приняла бы, названо в stderr с причиной,\n"
                                "его кривой нет, код выхода 3")
                     ->option_text("ИМЯ=ЗНАЧЕНИЯ")
                     ->group("Параметры");
    }
    bool given() const { return option->count() > 0; }

    // The family of the circuit; false with the reason when the argument makes none (usage).
    bool build(const ovrelan::SimulationState& present, std::string* error) {
        const auto argument = ovrelan::parse_sweep_argument(text);
        if (const auto* reason = std::get_if<std::string>(&argument)) {
            *error = *reason;
            return false;
        }
        const auto& sweep = std::get<ovrelan::SweepArgument>(argument);
        family = ovrelan::build_family(present, sweep.field, sweep.values);
        *error = family->error.empty() ? "" : "--sweep " + text + ": " + family->error;
        return family->error.empty();
    }

    // Each value left out, named with the program's reason; whether any was.
    bool say_refused() const {
        for (const ovrelan::RefusedMember& r : family->refused) {
            std::cerr << "ovrelan-solve: --sweep: "
                      << ovrelan::join_sentences(r.shown(), "Кривая не построена.") << '\n';
        }
        return !family->refused.empty();
    }
};

// --fit and its companions: the options, and the run that replaces the model's report.
struct FitOptions {
    ovrelan::FitCommand command;
    CLI::Option* fit = nullptr;
};

void add_fit_options(CLI::App& app, FitOptions& o) {
    o.fit = app.add_option("--fit", o.command.path,
                           "подобрать параметры контура к измерениям из ФАЙЛА (CSV или\n"
                           "текст осциллографа, регистратора, Arduino, таблицы) и напечатать\n"
                           "JSON вместо отчёта о модели: \"ok\", \"reason\" (почему подбора\n"
                           "нет), \"file\", \"notes\" (что пришлось предположить при\n"
                           "чтении), \"traces\" (по столбцу: \"column\", \"name\",\n"
                           "\"quantity\", \"points\", \"amplitude\", \"offset\", \"rms\"),\n"
                           "\"fixed\", \"regime\", \"values\" (\"delta\" 1/с, \"omega0\"\n"
                           "рад/с, \"shift\" с — замыкание ключа, и по возможности \"R\" Ом,\n"
                           "\"L\" Гн, \"C\" Ф, \"T\" с, \"theta\", \"Q\"; у каждого \"value\",\n"
                           "\"error\" — стандартная погрешность, \"unit\", \"fixed\", а у R, L,\n"
                           "C ещё \"field\" — в единицах полей), \"chi2_per_dof\",\n"
                           "\"points\", \"parameters\", \"iterations\", \"stop\". Поля\n"
                           "--L ... --Nmax, если заданы, дают начальную точку подбора")
                ->option_text("ФАЙЛ")
                ->group("Параметры");
    app.add_option("--column", o.command.columns,
                   "столбец значений для --fit (считая с 1, как в файле); дважды —\n"
                   "две кривые, например напряжение и ток; без него — угаданный")
        ->option_text("N")
        ->group("Параметры");
    app.add_option("--quantity", o.command.quantities,
                   "что записано в столбце --column (по порядку): Uc, I, Ur или EL")
        ->option_text("Uc|I|Ur|EL")
        ->group("Параметры");
    app.add_option("--fix", o.command.fixes,
                   "известное значение для --fit в единицах полей: R (Ом), L (мкГн),\n"
                   "C (мкФ), например C=5000; можно дважды")
        ->option_text("ИМЯ=ЧИСЛО")
        ->group("Параметры");
}

// Runs the fit and prints its JSON; the exit status of fit_report.h.
int run_fit(FitOptions& o, const ovrelan::FieldTexts& texts) {
    const bool fields_given =
        std::any_of(texts.begin(), texts.end(), [](const auto& text) { return text.has_value(); });
    if (fields_given) {
        o.command.circuit = ovrelan::run_solve(texts).state;
    }
    const ovrelan::FitCommandResult r = ovrelan::run_fit_command(o.command);
    if (!r.err.empty()) {
        std::cerr << "ovrelan-solve: " << r.err
                  << (r.status == ovrelan::exit_fit_usage ? " (см. --help)" : "") << '\n';
    }
    if (!r.out.empty() && !write_all(stdout, r.out)) {
        return fail_stream("стандартный вывод");
    }
    return r.status;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{description, "ovrelan-solve"};
    app.formatter(std::make_shared<LetterColumns>());
    app.get_formatter()->column_width(22);
    app.get_formatter()->label("Usage", "Использование");
    app.get_formatter()->label("OPTIONS", "ПАРАМЕТРЫ");
    app.get_formatter()->label("TEXT", "ТЕКСТ");
    app.set_help_flag("-h,--help", "показать эту справку и выйти")->group("Параметры");
    app.set_version_flag("-v,--version", std::string("ovrelan-solve ") + OVRELAN_VERSION,
                         "показать версию и выйти")
        ->group("Параметры");

    ovrelan::FieldTexts texts;
    std::string csv;
    const char* names[] = {"--L", "--C", "--R", "--Uo", "--Em", "--nu", "--Nmax"};
    const char* helps[] = {
        "индуктивность катушки, мкГн (Text1; при запуске 2000)",
        "ёмкость конденсатора, мкФ (Text2; при запуске 5000)",
        "сопротивление, Ом (Text3; при запуске 0.020)",
        "начальное напряжение конденсатора, В (Text4; при запуске 15.00)",
        "амплитуда ЭДС, В; при nu = 0 — постоянная ЭДС (Text5; при запуске 5.00)",
        "частота источника, Гц; 0 — постоянный источник (Text6; при запуске 47.00)",
        "длительность расчёта: в собственных периодах To, у цепей RC и RL — в меньшем из Tx\n"
        "и 4·Tr (Text7; при запуске 40)",
    };
    std::string values[7];
    CLI::Option* options[7];
    for (int i = 0; i < 7; ++i) {
        options[i] =
            app.add_option(names[i], values[i], helps[i])->option_text("ТЕКСТ")->group("Параметры");
    }
    CLI::Option* csv_option =
        app.add_option("--csv", csv,
                       "записать в ФАЙЛ массивы k,t_grid,Uc_t,I_t,Ur_t,UL_t,W_t\n"
                       "и столбцы цепи в единицах СИ t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J;\n"
                       "при '-' CSV идёт в stdout, а JSON — в stderr")
            ->option_text("ФАЙЛ|-")
            ->group("Параметры");
    std::string resonance;
    CLI::Option* resonance_option =
        app.add_option("--resonance", resonance,
                       "записать в ФАЙЛ резонансную кривую как CSV:\n"
                       "nu_Hz,Im_A,UCm_V,ULm_V,phi_deg, не меньше 2000 частот\n"
                       "в логарифмическом масштабе вокруг собственной, с резонансом,\n"
                       "пиком U_Cm и краями полосы пропускания среди них; каждая ячейка —\n"
                       "конечное число: у частоты, где значение не конечно (nu0 без\n"
                       "резистора), строки нет; '-' — stdout")
            ->option_text("ФАЙЛ|-")
            ->group("Параметры");
    std::string task_path;
    CLI::Option* task_option =
        app.add_option("--task", task_path,
                       "взять семь полей из файла задачи (.ovrelan, как его сохраняет\n"
                       "программа); поле, заданное и в командной строке, берётся оттуда")
            ->option_text("ФАЙЛ")
            ->group("Параметры");
    SweepOption sweep;
    sweep.add(app);

    FitOptions fit;
    add_fit_options(app, fit);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return write_all(stdout, app.help()) ? 0 : fail_stream("справку");
    } catch (const CLI::CallForVersion&) {
        return write_all(stdout, std::string("ovrelan-solve ") + OVRELAN_VERSION + "\n")
                   ? 0
                   : fail_stream("версию");
    } catch (const CLI::ParseError& e) {
        return usage_error(parse_error_text(e));
    }
    if (task_option->count() > 0) {
        const auto task = ovrelan::read_task_file(task_path);
        if (const auto* error = std::get_if<ovrelan::TaskError>(&task)) {
            std::cerr << "ovrelan-solve: " << task_path << ": " << error->text << '\n';
            return 2;
        }
        // A task the model would not take as it stands is not opened, as in the window.
        if (const auto error = ovrelan::check_task_values(ovrelan::run_solve({}).state,
                                                          std::get<ovrelan::Task>(task))) {
            std::cerr << "ovrelan-solve: " << task_path << ": "
                      << ovrelan::join_sentences(error->text, "Задача не открыта.") << '\n';
            return ovrelan::exit_values_changed;
        }
        for (std::size_t k = 0; k < texts.size(); ++k) {
            texts[k] = std::get<ovrelan::Task>(task).texts[k];
        }
    }
    for (int i = 0; i < 7; ++i) {
        if (options[i]->count() > 0) {
            texts[static_cast<std::size_t>(i)] = values[i];
        }
    }

    if (fit.fit->count() > 0) {
        if (csv_option->count() > 0 || resonance_option->count() > 0 || sweep.given()) {
            return usage_error("--fit не сочетается с --csv, --resonance и --sweep");
        }
        return run_fit(fit, texts);
    }
    if (resonance_option->count() > 0 && resonance.empty()) {
        return usage_error("для --resonance нужно имя файла или '-' для stdout");
    }
    if (csv_option->count() > 0 && csv.empty()) {
        return usage_error("для --csv нужно имя файла или '-' для stdout");
    }
    if (resonance == "-" && csv == "-") {
        return usage_error("в stdout может идти только одна из таблиц --csv и --resonance");
    }
    if (!csv.empty() && !resonance.empty() && csv != "-" && ovrelan::same_file(csv, resonance)) {
        return usage_error("--csv и --resonance указывают на один файл «" + csv +
                           "»: одна таблица затёрла бы другую");
    }

    const ovrelan::SolveRun run = ovrelan::run_solve(texts);
    nlohmann::ordered_json report = ovrelan::report_json(run);
    int status = run.changed() ? ovrelan::exit_values_changed : 0;
    if (sweep.given()) {
        std::string error;
        if (!sweep.build(run.state, &error)) {
            return usage_error(error);
        }
        report["family"] = ovrelan::family_json(*sweep.family);
        report["family_refused"] = ovrelan::family_refused_json(*sweep.family);
        status = sweep.say_refused() ? ovrelan::exit_values_changed : status;
    }
    const std::string json = report.dump(2) + '\n';

    // The tables first: a table that cannot be written prints no JSON.
    std::string reason;
    if (!resonance.empty()) {
        const ovrelan::ResonanceCurve curve = ovrelan::resonance_curve(run.state);
        const auto write = [&curve, &sweep](const ovrelan::CsvSink& sink) {
            return sweep.family
                       ? ovrelan::write_family_resonance_csv(*sweep.family,
                                                             ovrelan::CsvDialect::comma_point, sink)
                       : ovrelan::write_resonance_csv(curve, ovrelan::CsvDialect::comma_point,
                                                      sink);
        };
        if (!write_table(resonance, write, &reason)) {
            return fail(resonance == "-" ? "стандартный вывод" : resonance, reason);
        }
    }
    if (!csv.empty()) {
        const auto write = [&run, &sweep](const ovrelan::CsvSink& sink) {
            return sweep.family ? ovrelan::write_family_csv(*sweep.family,
                                                            ovrelan::CsvDialect::comma_point, sink)
                                : ovrelan::write_csv_text(run.state, sink);
        };
        if (!write_table(csv, write, &reason)) {
            return fail(csv == "-" ? "стандартный вывод" : csv, reason);
        }
    }
    std::FILE* json_out = resonance == "-" || csv == "-" ? stderr : stdout;
    return write_all(json_out, json)
               ? status
               : fail_stream(json_out == stdout ? "стандартный вывод" : "стандартный вывод ошибок");
}
