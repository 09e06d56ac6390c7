// ovrelan-solve: the circuit model without a window. Takes the seven parameters as a student
// types them, prints the messages, configuration, regime and state as JSON, and optionally the
// solution arrays as CSV.
#include "io/results_csv.h"
#include "io/task_file.h"
#include "model/sentences.h"
#include "model/steady_state.h"
#include "tools/solve_report.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr const char* description =
    "ovrelan-solve: the Ovrelan series-circuit model without a window.\n"
    "Starts from the program's start-up state, takes each given text as typed into\n"
    "that field (read as the fields read it: blanks ignored, '1,5' reads as 1.5,\n"
    "'abc' as 0), applies the field checks and the circuit guards with their\n"
    "corrections, and prints one JSON object: \"messages\" (every message box the\n"
    "program would show, with the field text written back), \"configuration\",\n"
    "\"regime\", \"caption\" (the circuit and its regime as the main window names\n"
    "them), \"steady_state\" (the amplitudes and phase a sinusoidal source drives:\n"
    "I_m, phi, U_Rm, U_Lm, U_Cm; null for a constant source), \"resonance\" (nu0,\n"
    "the U_Cm peak nu_C, the half-power band, its width and Q, or the reason there\n"
    "is no resonance curve), \"panel\" (Label12 ... Label26 as the characteristics\n"
    "panel shows them; null where the circuit shows none) and \"state\" (every\n"
    "scalar of the model in SI units, plus Nt_points and the maxima; a scalar the\n"
    "panel does not show for this circuit may hold an earlier circuit's value). A pass refused for "
    "non-finite numbers or too many grid "
    "points\n"
    "lists one message per field it puts back.\n"
    "\n"
    "Exit status: 0 when every value was taken as given; 3 when a value was refused\n"
    "or corrected (the JSON and the CSV are still written, with the values the model\n"
    "kept, and \"messages\" says which), or when a task file holds values the model\n"
    "would refuse or correct (then nothing is computed); 2 for a usage error or a\n"
    "task file that cannot be read; 1 when the output cannot be written.";

// Writes the whole text and flushes it; false with errno set when any of it is lost.
bool write_all(std::FILE* out, const std::string& text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fflush(out) == 0 && written && std::ferror(out) == 0;
}

// Writes the table piece by piece and flushes it; false with errno set when any of it is lost.
bool write_csv(std::FILE* out, const ovrelan::SimulationState& s) {
    errno = 0;
    const bool written = ovrelan::write_csv_text(s, [out](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
    });
    const int error = errno;
    const bool flushed = std::fflush(out) == 0 && std::ferror(out) == 0;
    if (!written && error != 0) {
        errno = error;
    }
    return written && flushed;
}

bool write_csv_file(const std::string& path, const ovrelan::SimulationState& s) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = write_csv(file, s);
    const int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) {
        errno = error;
    }
    return written && closed;
}

// Says what could not be written and why; exit status 1.
int fail(const std::string& what) {
    const int error = errno != 0 ? errno : EIO;
    std::fprintf(stderr, "ovrelan-solve: cannot write %s: %s\n", what.c_str(),
                 std::strerror(error));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{description, "ovrelan-solve"};
    app.get_formatter()->column_width(22);

    ovrelan::FieldTexts texts;
    std::string csv;
    const char* names[] = {"--L", "--C", "--R", "--Uo", "--Em", "--nu", "--Nmax"};
    const char* helps[] = {
        "coil inductance, µH (Text1; start-up 2000)",
        "capacitance, µF (Text2; start-up 5000)",
        "resistance, Ω (Text3; start-up 0.020)",
        "initial capacitor voltage, V (Text4; start-up 15.00)",
        "EMF amplitude, V; the constant EMF when nu is 0 (Text5; start-up 5.00)",
        "source frequency, Hz; 0 is a constant source (Text6; start-up 47.00)",
        "interval in natural periods or characteristic times (Text7; start-up 40)",
    };
    std::string values[7];
    CLI::Option* options[7];
    for (int i = 0; i < 7; ++i) {
        options[i] = app.add_option(names[i], values[i], helps[i])->option_text("TEXT");
    }
    CLI::Option* csv_option =
        app.add_option("--csv", csv,
                       "write the arrays k,t_grid,Uc_t,I_t,Ur_t,UL_t,W_t and the circuit's SI "
                       "columns t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J to FILE; with '-' the CSV goes to "
                       "stdout and the JSON to stderr")
            ->option_text("FILE|-");
    std::string resonance;
    CLI::Option* resonance_option =
        app.add_option(
               "--resonance", resonance,
               "write the resonance curve to FILE as CSV: nu_Hz,Im_A,UCm_V,ULm_V,phi_deg, "
               "2000 frequencies spaced logarithmically around the circuit's own, with its "
               "resonance, the U_Cm peak and the half-power band among them; '-' for stdout")
            ->option_text("FILE|-");
    std::string task_path;
    CLI::Option* task_option =
        app.add_option("--task", task_path,
                       "take the seven fields from a task file (.ovrelan, as the program saves "
                       "it); a field given on the command line as well wins")
            ->option_text("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << "ovrelan-solve: " << e.what() << " (see --help)\n";
        return 2;
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

    if (resonance_option->count() > 0 && resonance.empty()) {
        std::cerr << "ovrelan-solve: --resonance needs a file name, or '-' for stdout\n";
        return 2;
    }
    if (resonance == "-" && csv == "-") {
        std::cerr << "ovrelan-solve: only one of --csv and --resonance can go to stdout\n";
        return 2;
    }
    if (csv_option->count() > 0 && csv.empty()) {
        std::cerr << "ovrelan-solve: --csv needs a file name, or '-' for stdout (see --help)\n";
        return 2;
    }

    const ovrelan::SolveRun run = ovrelan::run_solve(texts);
    const std::string json = ovrelan::report_json(run).dump(2) + '\n';
    const int status = run.changed() ? ovrelan::exit_values_changed : 0;

    // The tables first: a table that cannot be written prints no JSON.
    if (!resonance.empty()) {
        const ovrelan::ResonanceCurve curve = ovrelan::resonance_curve(run.state);
        const auto write = [&](std::FILE* out) {
            errno = 0;
            const bool written = ovrelan::write_resonance_csv(
                curve, ovrelan::CsvDialect::comma_point, [out](std::string_view piece) {
                    return std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
                });
            return std::fflush(out) == 0 && written && std::ferror(out) == 0;
        };
        if (resonance == "-") {
            if (!write(stdout)) {
                return fail("standard output");
            }
        } else if (std::FILE* file = std::fopen(resonance.c_str(), "wb");
                   file == nullptr || !write(file) || std::fclose(file) != 0) {
            return fail(resonance);
        }
    }
    std::FILE* json_out = resonance == "-" ? stderr : stdout;
    if (csv == "-") {
        if (!write_csv(stdout, run.state)) {
            return fail("standard output");
        }
        return write_all(stderr, json) ? status : fail("standard error");
    }
    if (!csv.empty() && !write_csv_file(csv, run.state)) {
        return fail(csv);
    }
    return write_all(json_out, json)
               ? status
               : fail(json_out == stdout ? "standard output" : "standard error");
}
