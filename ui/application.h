// The program as main() runs it: the application, its language, the icon, the platform's
// real message boxes, tone, documents and dialogs, the main window, and a task given on the
// command line.
#pragma once

namespace ovrelan {

struct StartOptions {
    // Ends the program as soon as the main window has been painted once: how long start-up
    // takes is measured this way (bench/).
    bool quit_after_first_paint = false;
};

// The core's texts (captions, messages, the examples' names) through the application's
// translators, in the language of the windows.
void translate_core_texts();

int run_program(int argc, char** argv, StartOptions options = {});

} // namespace ovrelan
