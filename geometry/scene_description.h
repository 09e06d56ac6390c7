// What a screen reader says about the circuit picture: what the circuit holds while the key is
// open, where the run stands while it is closed. Short, in the language of the windows.
#pragma once

#include "model/simulation_state.h"

#include <string>

namespace ovrelan {

// «ключ разомкнут, конденсатор заряжен до 15 В, источник ЭДС 5 В, 47 Гц» while idle;
// «ключ замкнут, t = 12,5 мс, Uc = 3,2 В» at the run position k_now while a run plays.
std::string scene_description(const SimulationState& s, bool key_closed, char decimal_separator);

} // namespace ovrelan
