// Default masonry data: the compressive strength f'm and modulus Em that follow
// from the unit strength by the unit strength method (ACI 530-99 / IBC 2000
// tables of net area compressive strength of units against f'm), the
// allowable working stresses Fb, Fv and Ft (ACI 530-99 / IBC 2000 working
// stress design), the face shell and nominal-minus-actual thicknesses of the
// masonry unit, and the entry rules that keep these calculated fields in step
// with the entry form.
//
// The component functions are pure and work in working units (psi for masonry
// stresses, ksi for moduli, inches for lengths). UpDateMasonry and
// AfterFieldEdited read and write the entry fields in display units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/session.h"

namespace calvix {

struct MasonryStrengthResult {
  float FmPrime = 0;  // compressive strength of the masonry f'm, psi
  float Em = 0;       // modulus of elasticity, ksi
};

struct AllowableTensionResult {
  float FtNoGrout = 0;     // allowable flexural tension, ungrouted hollow units, psi
  float FtSolidGrout = 0;  // allowable flexural tension, solid grouted, psi
};

// f'm from the unit strength u (psi) and Em = 700 f'm psi for clay and brick or
// 900 f'm psi for concrete units, returned in ksi (0.7 f'm, 0.9 f'm).
// The table is that of concrete units for "CMU" under every design method;
// for "Clay" and "Brick" it is the ACI 530-99 table under "ACI" and the
// IBC 2000 table under "IBC-W" and "IBC-S". Type "M" and "S" mortars share a
// column; "N" has its own. Within the table f'm is interpolated linearly
// between the first tabulated unit strength that u does not exceed and the row
// before it; below the second row it follows the line through rows 1 and 2
// (no lower clamp); above the last row it stays at the last f'm. u = 0 gives
// f'm = Em = 0.0001 (kept non-zero so that later divisions by them are safe).
// A material other than "CMU" is treated as clay or brick, and a mortar type
// other than "N" as "M" / "S".
MasonryStrengthResult MasonryStrength(const std::string& designMethod, const std::string& material,
                                      const std::string& mortarType, float unitStrength);

// The unit strengths (psi) that the unit strength table of the method,
// material and mortar type tabulates, weakest first: the standard units
// whose f'm the table gives without interpolation.
std::vector<float> TabulatedUnitStrengths(const std::string& designMethod,
                                          const std::string& material,
                                          const std::string& mortarType);

// Allowable flexural compression Fb = f'm / 3 for working stress design ("ACI",
// "IBC-W"); 0 under strength design ("IBC-S") or any other method text.
float AllowableFlexure(const std::string& designMethod, float fmPrime);

// Allowable shear Fv = sqrt(f'm) psi, at most 50 psi. A non-positive f'm
// (only possible from a negative unit strength) gives 0.
float AllowableShear(float fmPrime);

// Allowable flexural tension normal to the bed joints (ACI 530-99 Table
// 2.2.3.2) for working stress design, by material, mortar type and mortar
// cementitious material ("PCL": portland cement / lime or mortar cement,
// "Masonry": masonry cement). Strength design ("IBC-S"), an unknown method, an
// unknown material, mortar type or mortar material give 0 / 0.
AllowableTensionResult AllowableTension(const std::string& designMethod,
                                        const std::string& material, const std::string& mortarType,
                                        const std::string& mortarMaterial);

// Face shell thickness (in) of a unit of nominal thickness t (in): 3.625 for
// two-wythe "Brick" (one wythe, never capped); otherwise the minimum face shell
// of hollow units by thickness band (t <= 4: 0.75, <= 6: 1.0, <= 8: 1.25,
// <= 10: 1.375, <= 12: 1.5, above: (t / 8 + 1.5) / 2), but not more than
// maxShellThickness.
float FaceShell(float nominalThickness, const std::string& material, float maxShellThickness);

// Nominal minus actual thickness (in): "CMU" 0.375, "Clay" 0.5, "Brick" and
// any other text 0.
float NominalMinusActual(const std::string& material);

// Modular ratio n = Es / Em. Em = 0 gives 0 (no ratio) instead of an infinite
// or undefined value.
float ModularRatio(float es, float em);

// Allowable tension of grouting case n of m (the unreinforced design walks the
// grouted-cell spacings, case m being "no grout"): solid grouted -> Ft solid
// grout; n = m -> Ft no grout; otherwise FtNoGrout + (FtSolidGrout -
// FtNoGrout) / n in single precision. n = 0 (no such case) gives 0.
float TensionForSpacing(int16_t n, int16_t m, bool solidGrouted, float ftNoGrout,
                        float ftSolidGrout);

// Recalculates the default masonry data fields 20-26, 29 and 30 of the entry
// form from the criteria, the unit strength (field 19), the nominal wall
// thickness (field 1) and Es (field 33); does nothing when the user enters the
// masonry data (UserMasonryData). Fields are written with their display
// decimals; outside the U.S. Standard system the face shell and
// nominal-minus-actual fields show whole display units. A field text that is
// not a number throws the CalvixError of FieldNumber.
void UpDateMasonry(Session& session);

// The entry rules run when the user leaves a changed entry field `field`:
// the wall (1) and parapet (4) thicknesses put the steel at mid-thickness of
// the actual unit (fields 2 and 5); the wall thickness, unit strength (19) and
// Es (33) recalculate the masonry data; editing a calculated field (20-26, 29)
// in automatic mode warns and puts the calculated values back.
void AfterFieldEdited(Session& session, int field);

// The warning shown when a calculated masonry field is edited in automatic mode.
std::string DefaultMasonryDataWarningText();
inline constexpr const char* kDefaultMasonryDataTitle = "Default Masonry Data";

}  // namespace calvix
