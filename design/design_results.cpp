#include "design/design_results.h"

namespace calvix {

DesignRoutines DesignRoutinesFor(DesignResults& results) {
  DesignRoutines routines;
  routines.strength = [&results](Problem& problem, const AnalysisResults& analysis,
                                 int16_t& errorCode, int pass) {
    StrengthDesign(problem, analysis, results.strength, errorCode, pass);
  };
  routines.reinforced = [&results](Problem& problem, const AnalysisResults& analysis,
                                   int16_t& errorCode, int pass) {
    DesignReinforcedWall(problem, analysis, results.reinforced, errorCode, pass);
  };
  routines.unreinforced = [&results](Problem& problem, const AnalysisResults& analysis,
                                     int16_t& errorCode, int pass) {
    DesignUnreinforcedWall(problem, analysis, results.unreinforced, errorCode, pass);
  };
  return routines;
}

}  // namespace calvix
