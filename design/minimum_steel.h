// The minimum reinforcement of a wall part that the design reports print:
// the minimum vertical steel of the design strip, the minimum horizontal steel per unit height with
// its largest spacing, the code reference that governs and a note, from the
// seismic design category, the bond, the design method and the actual
// thickness of the wall part, t = nominal thickness - NominalMinusActual (the
// parapet's own thickness for the parapet).
#pragma once

#include <string>

#include "model/problem.h"

namespace calvix {

struct MinimumSteel {
  std::string MinVerticalText;    // e.g. "0.256 in^2"
  std::string MinHorizontalText;  // e.g. "0.090 in^2 /ft", or "Not Required"
  std::string ReferenceText;      // e.g. "Ref. ACI 99 1.11/IBC 2000 2109.6.5"
  std::string SpacingText;        // "Maximum spacing ... = 48 inches", or " "
  std::string NoteText;           // " " when there is no note
};

// The texts of wall part `part` for the problem's working form and unit
// system. Vertical steel: StripWidth x MinSteelRatio x t in the area unit,
// formatted "##0.###" in U.S. units and as whole mm^2 otherwise.
// Horizontal steel Ash (in^2 per ft of height) by SeismicCategory:
//   A, B  running bond: not required; stack bond: 0.0036 t ("IBC-S") or
//         0.00336 t (the working-stress methods), spacing 48 in;
//   C     the larger of A48 = 0.05 (one 0.20 in^2 bar every 48 in) and, for
//         stack bond, the term of categories A and B; spacing 48 in;
//   D     running bond: the larger of A48 and A_rho = rho_h x 12 x t with
//         rho_h = 0.002 - MinSteelRatio, at least 0.0007, spacing 48 in; stack
//         bond: the same with A24 = 0.1 (every 24 in), spacing 24 in;
//   E, F  as D, with rho_h at least 0.0015 for stack bond.
// Shown in area per height units (Ash x f0^2 / f1), formatted "##0.000" in
// U.S. units and as whole mm^2 otherwise, followed by the area label, " /"
// and the height label. Comparisons are
// made in single precision. For a category other than "Category A" ...
// "Category F" only the vertical steel and the note " " are set; the other
// texts keep their values from `previous`.
MinimumSteel MinimumSteelTexts(const Problem& problem, int part, const MinimumSteel& previous = {});

}  // namespace calvix
