// What a calculation package is made of: the problem with its analysis and
// design results as the Solve command left them, the reinforcement (or
// grouting case) the engineer picked for each wall part, the calculation steps
// of each part and the texts of the title block.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/solve.h"
#include "design/calculation_steps.h"
#include "design/design_results.h"
#include "files/settings.h"
#include "model/problem.h"

namespace calvix {

struct PackageInput {
  const Problem* problem = nullptr;
  const AnalysisResults* analysis = nullptr;  // null when the problem was not analysed
  const DesignResults* design = nullptr;
  DesignRun run = DesignRun::None;
  bool designed = false;
  // Why the problem did not design: the messages the solve showed.
  std::vector<std::string> failure;
  // Bar row (or grouting case) detailed for the main wall and the parapet.
  std::array<int, kWallPartCount> choice{};
  // The calculation steps of each designed part, filled by the caller.
  std::vector<CalculationSteps> steps;
  PaperSize paper = PaperSize::Letter;
  std::string date;     // as the title block shows it
  std::string version;  // Calvix version
};

}  // namespace calvix
