// Fixed names of the product, its registry keys and the simulator.
#pragma once

namespace tolmarin::app {

inline constexpr const char* kProductName = "Durirezo Orvanne";
inline constexpr const char* kVersion = "V1.00";

// The installation record and the entry in the system's list of removable
// programs (note "Software" in mixed case there), both under HKLM.
inline constexpr const char* kRecordKey = "SOFTWARE\\Ostrel\\Durirezo Orvanne";
inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Durirezo Orvanne";
// The simulator's own key, only read.
inline constexpr const char* kSimulatorKey = "SOFTWARE\\Microsoft\\Games\\Flight Simulator\\6.0";

}  // namespace tolmarin::app
