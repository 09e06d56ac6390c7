// The program as main() starts it, ending as soon as the main window has been painted: what
// bench_process measures for start-up.
#include "ui/application.h"

int main(int argc, char** argv) {
    return ovrelan::run_program(argc, argv, {.quit_after_first_paint = true});
}
