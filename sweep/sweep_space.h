// The walls a design sweep tries: the open problem with some of its choices
// freed (nominal thickness, grouting, reinforcement layers, unit strength,
// bar size and spacing) and everything else as entered. A wall is put into a
// problem by the entry form's own rules, so that it is exactly the wall the
// engineer gets by typing the same choices.
#pragma once

#include <vector>

#include "model/platform.h"
#include "model/session.h"
#include "sweep/cost_model.h"

namespace calvix {

// Which choices the sweep frees.
struct SweepFreedom {
  bool thickness = true;
  bool grout = true;
  bool layers = true;
  bool strength = false;
  bool bars = true;

  bool operator==(const SweepFreedom&) const = default;
};

// One wall of the sweep, in working units.
struct SweepPoint {
  float nominalThickness = 0;  // nominal main wall thickness (in)
  float unitStrength = 0;      // net area compressive strength of the units (psi)
  int groutOption = 0;         // 0 partially grouted, 1 solid grouted
  int layersOption = 0;        // 0 one layer, 1 two layers

  bool operator==(const SweepPoint&) const = default;
};

// A platform that shows nothing and answers every question Yes: the solves
// of a sweep report through their outcome, never through message boxes.
class SilentPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const Message& message) override {
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest&) override {
    return std::nullopt;
  }
  void SetBusyPointer(bool) override {}
};

// What a sweep starts from: a copy of the open problem with the display state
// its entry rules need, so that the sweep never touches the open problem.
struct SweepBase {
  Problem problem;
  FieldDisplay display;
  ProgramFolder folder;

  static SweepBase Of(const Session& session) {
    return {session.problem, session.display, session.folder};
  }
};

// The wall of the problem as entered: its nominal thickness, unit strength,
// grouting and layers.
SweepPoint EnteredPoint(const SweepBase& base);

// Every wall of the sweep, in a fixed order: thickness (thinnest first),
// grouting (partial before solid), layers (one before two), unit strength
// (weakest first). Free thicknesses are the standard sizes the cost model
// lists for the material, free strengths those the unit strength table of
// the material data lists; a value the entry form refuses (outside the
// field's range, partial grouting of two-wythe brick) is left out.
std::vector<SweepPoint> SweepPoints(const SweepBase& base, const SweepFreedom& freedom,
                                    const CostModel& costs);

// Puts the free choices of `point` into the problem of `session` as the
// engineer would type and choose them, through the entry form's rules (a new
// thickness moves the steel depth to mid-thickness and recalculates the
// masonry data, a new unit strength recalculates the masonry data), and
// marks the problem changed.
void ApplySweepPoint(Session& session, const SweepPoint& point, const SweepFreedom& freedom);

}  // namespace calvix
