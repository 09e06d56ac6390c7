// Ovrelan: the main window with the platform's message boxes, tone, documents and dialogs.
#include "ui/application.h"

int main(int argc, char** argv) {
    return ovrelan::run_program(argc, argv);
}
