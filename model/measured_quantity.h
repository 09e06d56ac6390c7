// What a measured trace records: the capacitor's voltage Uc, the current I, the resistor's voltage
// Ur or the coil's EMF of self-induction εL; their names as the command line and the graphs write
// them and their SI units.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ovrelan {

enum class Quantity { Uc, I, Ur, EL };

inline constexpr std::array<Quantity, 4> all_quantities{Quantity::Uc, Quantity::I, Quantity::Ur,
                                                        Quantity::EL};

// "Uc", "I", "Ur", "EL": the command line's and the reports' name.
std::string_view quantity_key(Quantity q);
// "Uc", "I", "Ur", "εL": as the graphs name it.
std::string_view quantity_caption(Quantity q);
// "В" or "А".
std::string_view quantity_unit(Quantity q);
// A current (in amperes) or a voltage (in volts).
inline bool is_current(Quantity q) {
    return q == Quantity::I;
}

// The quantity a key or a caption names, as written or in any case ("uc", "εL", "el").
std::optional<Quantity> quantity_named(std::string_view name);

} // namespace ovrelan
