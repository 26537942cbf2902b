// What calvix-cli sweep writes: the `sweep` object of the JSON document, the
// CSV table of the ranked walls and the plain-text table on standard output.
// JSON and CSV are in working units (inches, psi, cost per ft², psf); the
// text table in the problem's unit system.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "sweep/sweep.h"

namespace calvix {

// The --free list ("thickness,grout,layers,strength,bars", any subset, any
// order); nothing for an unknown or empty name.
std::optional<SweepFreedom> ParseSweepFreedom(const std::string& list);

// The `sweep` object: free, walls, solved, cancelled, passing (the count),
// candidates (the first `top` ranked walls; 0 = all), failures by code,
// validation_failures and closest (null unless nothing passes).
nlohmann::ordered_json SweepJson(const Problem& problem, const SweepFreedom& freedom,
                                 const SweepResult& result, std::size_t top);

// The first `top` ranked walls as CSV, one header line.
std::string SweepCsv(const Problem& problem, const SweepResult& result, std::size_t top);

// The ranked table and the failure counts as plain text.
std::string SweepText(const Problem& problem, const SweepResult& result, std::size_t top);

}  // namespace calvix
