#include "analysis/solve.h"

#include "analysis/validation.h"
#include "model/convert_input.h"
#include "model/material_data.h"

namespace calvix {
namespace {

// The busy pointer for the length of a solve; any way out puts it back.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.SetBusyPointer(true); }
  ~BusyPointer() {
    if (busy_) platform_.SetBusyPointer(false);
  }
  void Release() {
    if (busy_) platform_.SetBusyPointer(false);
    busy_ = false;
  }
  // Validation has already put the pointer back when it failed.
  void AlreadyReleased() { busy_ = false; }

 private:
  Platform& platform_;
  bool busy_ = true;
};

constexpr const char* kDesignNotAvailable =
    "Design cannot be completed.  The design method is not available.";

}  // namespace

std::string DesignFailureText(int16_t code) {
  switch (code) {
    case 1:
      return "Design cannot be completed.  Actual wall compressive stess\r"
             "exceeds allowable compressive stress (fa > Fa).";
    case 2:
      return "Design cannot be completed.  Wall failed in flexure or required area of steel\r"
             "exceeds max. allowable area of steel.\r\r"
             "Refer to IBC Section 2108.9.2.13 for Maximum Reinforcement.";
    case 3:
      return "Design cannot be completed.  Wall failed in shear.";
    case 4:
      return "Design cannot be completed.  Wall deflection under service loads\r"
             "exceeds maximum allowable deflection (Delta Service > .007h).\r\r"
             "Refer to IBC Section 2108.9.4.6";
    case 5:
      return "Unreinforced walls cannot be designed per the IBC 2000 strength method\r"
             "procedures.  Please choose Reinforced Wall from the Solve Menu.\r";
    case 6:
      return "Design cannot be completed.  Actual wall compressive stess\r"
             "exceeds axial limit stress (fa > 0.05 f'm)  AND  wall slenderness, h' / t > 30.\r\r"
             "Refer to UBC Section 2108.9.4.5";
    case 7:
      return "Design cannot be completed.  Actual wall compressive stess\r"
             "exceeds axial limit stress (fa > 0.2f'm)\r\r"
             "Refer to UBC Section 2108.9.4.5";
    case 8:
      return "Design cannot be completed. Try increasing block size or using solid grout.";
    case 9:
      return "Design cannot be completed. Block size too small for loads.";
    case 10:
      return "Design cannot be completed.  None of the selected load combinations\r"
             "applies to this wall.  Please review the load combinations.";
    default:
      return {};
  }
}

SolveOutcome SolveWall(Session& session, bool reinforcedWall, AnalysisResults& analysis,
                       const DesignRoutines& routines) {
  Problem& problem = session.problem;
  problem.ReinforcedWall = reinforcedWall;
  SolveOutcome outcome;
  BusyPointer pointer(session.platform);

  if (!problem.entry.UserMasonryData) UpDateMasonry(session);
  ConvertInput(session);
  outcome.validationOk = ValidateInput(session);
  if (!outcome.validationOk) {
    pointer.AlreadyReleased();
    return outcome;
  }

  analysis = AnalyseLoads(problem);
  outcome.analysed = true;
  int passes = problem.working.ParapetHeight > 0 ? 2 : 1;

  const std::string& method = problem.entry.DesignMethod;
  const DesignRoutine* routine = nullptr;
  if (method == "IBC-S") {
    if (reinforcedWall) {
      routine = &routines.strength;
      outcome.design = DesignRun::Strength;
    } else {
      outcome.errorCode = 5;
    }
  } else if (method == "ACI" || method == "IBC-W") {
    routine = reinforcedWall ? &routines.reinforced : &routines.unreinforced;
    outcome.design = reinforcedWall ? DesignRun::Reinforced : DesignRun::Unreinforced;
  }

  if (outcome.errorCode == 0 && (routine == nullptr || !*routine)) {
    // A method without a design routine: nothing was designed, so nothing may
    // be reported as designed.
    outcome.design = DesignRun::None;
    pointer.Release();
    session.platform.ShowInformation(kDesignNotAvailable, "Error Message");
    return outcome;
  }
  if (routine != nullptr && outcome.errorCode == 0) {
    for (int pass = 1; pass <= passes; ++pass) {
      (*routine)(problem, analysis, outcome.errorCode, pass);
      if (outcome.errorCode > 0) break;
    }
  }
  if (outcome.errorCode == 0 && routines.showResults) routines.showResults(outcome.errorCode);
  pointer.Release();

  if (outcome.errorCode >= 1 && outcome.errorCode <= kLastDesignFailureCode) {
    session.platform.ShowInformation(DesignFailureText(outcome.errorCode), "Error Message");
    return outcome;
  }
  problem.Designed = true;
  problem.DataChanged = false;
  outcome.designed = true;
  return outcome;
}

}  // namespace calvix
