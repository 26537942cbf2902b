// The allowable-stress interaction curve of a design strip and the allowable
// moment read from it, checked against hand-worked points.
//
// The section of most tests: an 8 in hollow concrete block wall (actual
// t = 7.625 in, face shells ts = 1.25 in), partially grouted, one #9 bar at
// 48 in on a 48 in strip at mid-depth d = 3.8125 in: bEff = 48, b' = 8,
// As = 1.00 in^2, n = 20, Fb = 500 psi, Fs = 24 ksi.
//   Ae = (7.625 - 2 x 1.25) x 8 + 2 x 48 x 1.25 = 41 + 120 = 161 in^2
//   Ig = 8 x 7.625^3/12 + 2 x [40 x 1.25^3/12 + 40 x 1.25 x 3.1875^2]
//      = 295.54818 + 2 x (0.65104 + 508.00781) = 1324.58464 in^4
//   S  = 2 Ig / t = 347.43204 in^3
#include "design/interaction_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

#include "support/design_walls.h"

namespace calvix {
namespace {

void ExpectNear(double expected, float actual) {
  EXPECT_NEAR(expected, actual, std::abs(expected) * 2e-6 + 1e-6);
}

class InteractionCurveTest : public ::testing::Test {
 protected:
  InteractionCurve Curve(float Fa = 300, float s = 48) {
    input.Fa = Fa, input.s = s;
    return BuildInteractionCurve(problem, input);
  }
  Problem problem = testing::MakeWall({.n = 20, .solid = false, .method = "ACI", .strip = 48});
  CurveInput input{.Fs = 24,
                   .Fb = 500,
                   .Fa = 300,
                   .t = 7.625f,
                   .d = 3.8125f,
                   .bPrime = 8,
                   .bEff = 48,
                   .Ae = 161,
                   .S = 347.43203551912563f,
                   .As = 1,
                   .s = 48};
};

TEST_F(InteractionCurveTest, HandWorkedPoints) {
  // Point 1: Fa Ae = 300 x 161 = 48300 lb at no moment.
  // Zone A, 2 Fa = 600 >= Fb = 500: fmax = 500, fmin starts at 2 Fa - Fb =
  // 100 and falls by 25 per point. P = (fmax + fmin)/2 Ae, M = (fmax - fmin)/2 S/12:
  //   point 2: fmin 100: P = 300 x 161 = 48300,  M = 200 x 347.43204/12 = 5790.5339
  //   point 3: fmin  75: P = 287.5 x 161 = 46287.5, M = 212.5 x 28.952670 = 6152.4423
  //   point 4: fmin  50: P = 275 x 161 = 44275,  M = 225 x 28.952670 = 6514.3507
  //   point 5: fmin  25: P = 262.5 x 161 = 42262.5, M = 237.5 x 28.952670 = 6876.2590
  //   point 6: fmin   0: P = 250 x 161 = 40250,  M = 250 x 28.952670 = 7238.1674
  // Fa = 200: 2 Fa = 400 < Fb, so fmax = 400 and fmin = 0 at every point:
  // P = Fa Ae = 32200, M = Fa S/12 = 200 x 347.43204/12 = 5790.5339.
  //
  // Zone B, point 7 (m = 1): x = t - (t - d)/6 = 7.625 - 0.6354167 = 6.9895833.
  // x/t = 0.917 <= 2 Fa/Fb = 1.2, so fm = Fb = 500. t - x = 0.635 < ts: the
  // block enters the far face shell.
  //   f1 = 500 x (x - 1.25)/x = 410.58122;  L = 7.625 - 2.5 = 5.125
  //   e2 = x - 1.25 - 5.125 = 0.6145833;  f2 = 500 x e2/x = 43.964232
  //   near shell, uniform:  f1 x 48 x 1.25            = 24634.873 at 3.1875
  //   near shell, triangle: (500 - f1)/2 x 60         =  2682.563 at 3.3958333
  //   core, uniform:        5.125 x f2 x 8            =  1802.534 at 0
  //   core, triangle:       (f1 - f2)/2 x 5.125 x 8   =  7515.648 at 5.125/6 = 0.8541667
  //   far shell, triangle:  f2/2 x e2 x 48            =   648.472 at -(2.5625 + e2/3) = -2.7673611
  //   P = 37284.091 lb (below 48300: no cut);
  //   M = (78523.659 + 9109.538 + 0 + 6419.616 - 1794.557)/12 = 7688.1880 ft-lb
  // With Fa = 200: x/t = 0.917 > 2 Fa/Fb = 0.8, so fm = 2 Fa t/x = 400 x
  // 7.625/6.9895833 = 436.36364; the forces scale with fm: P = 37284.091 x
  // 436.36364/500 = 32538.843 > Fa Ae = 32200, so every force is scaled by
  // 32200/32538.843 = 0.9895866: P = 32200, M = 92258.256 x 0.8727273 x
  // 0.9895866/12 = 6639.8200.
  // Point 12 (m = 6): x = d = 3.8125; fm = 500; the block stops in the core
  // (t - x = 3.8125 >= ts).
  //   f1 = 500 x 2.5625/3.8125 = 336.06557
  //   near shell, uniform:  336.06557 x 60          = 20163.934 at 3.1875
  //   near shell, triangle: (500 - 336.06557)/2 x 60 =  4918.033 at 3.3958333
  //   core triangle:        2.5625 x 336.06557/2 x 8 =  3444.672 at 3.8125 - 1.25 - 2.5625/3
  //   = 1.7083333 P = 28526.639;  M = (64272.541 + 16700.820 + 5884.648)/12 = 7238.1674
  // With bars in every cell (s = 8 in = the module) the block is rectangular
  // even though the wall is partially grouted and b' < bEff: C = 500/2 x
  // 3.8125 x 48 = 45750 lb at t/2 - x/3 = 2.5416667: M = 45750 x 2.5416667/12
  // = 9690.1042.
  //
  // Zone C, point 13 (j = 1): x = d - (d - kd)/88 = 3.8125 - 2.3920478/88 =
  // 3.7853173. Steel stress at Fb: fsb = n Fb (d - x)/x = 20 x 500 x
  // 0.0271827/3.7853173 = 71.81088 psi < 24000, and 2 Fa t/Fb = 9.15 >= x:
  // fm = 500, fs = 71.81088.
  //   f1 = 500 x (x - 1.25)/x = 334.88835
  //   near shell: 334.88835 x 60 = 20093.301 at 3.1875; (500 - f1)/2 x 60 = 4953.350 at 3.3958333
  //   core triangle: (x - 1.25) x f1/2 x 8 = 3396.193 at 2.5625 - 2.5353173/3 = 1.7173942
  //   steel: T = 1.00 x 71.81088 at d - t/2 = 0
  //   P = 28442.843 - 71.811 = 28371.032;  M = (64047.396 + 16820.750 + 5832.602)/12 = 7225.0623
  // Fa = 150: P(1) = 24150. Point 13 keeps fm = Fb (2 Fa t/Fb = 4.575 >= x)
  // and so the forces above, P = 28371.032 > 24150: scaled by
  // 24150/28371.032 = 0.8512203, M = 7225.0623 x 0.8512203 = 6150.1201.
  //
  // Point N: the cracked section with As = 1.00. The rectangular neutral axis
  // kd = 1.414 in lies below the 1.25 in face shell, so the section is a T:
  //   4 x^2 + (40 x 1.25 + 20) x - (40 x 1.25^2/2 + 20 x 3.8125) = 0
  //   4 x^2 + 70 x - 107.5 = 0  ->  x = (-70 + sqrt(6620))/8 = 1.4204228, k = 0.3725699
  //   C1 = ((2x - 1.25)/x) x 250 x 48 x 1.25 = 16799.705 at 3.1875
  //   C2 = ((x - 1.25)/x) x 250 x 8 x (x - 1.25) = 40.895 at 2.5056924
  //   T = 24000 > C1 + C2: the masonry governs,
  //   M = (16799.705 x 3.1875 + 40.895 x 2.5056924)/12 = 4470.9608 ft-lb.
  const struct {
    float Fa, s;
    int point;
    double P, M;
  } cases[] = {{300, 48, 1, 48300.0, 0},
               {300, 48, 2, 48300.0, 5790.5339253},
               {300, 48, 3, 46287.5, 6152.4422957},
               {300, 48, 4, 44275.0, 6514.3506660},
               {300, 48, 5, 42262.5, 6876.2590363},
               {300, 48, 6, 40250.0, 7238.1674066},
               {200, 48, 2, 32200.0, 5790.5339253},
               {200, 48, 6, 32200.0, 5790.5339253},
               {300, 48, 7, 37284.090909, 7688.1879653},
               {200, 48, 7, 32200.0, 6639.8199995},
               {300, 48, 12, 28526.639344, 7238.1674066},
               {300, 8, 12, 45750.0, 9690.1041667},
               {300, 48, 13, 28371.032390, 7225.0623340},
               {150, 48, 13, 24150.0, 6150.1200580},
               {300, 48, kCurvePointCount, 0, 4470.9607890}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Fa " << c.Fa << " s " << c.s << " point " << c.point);
    const InteractionCurve curve = Curve(c.Fa, c.s);
    ExpectNear(c.P, curve.P[static_cast<std::size_t>(c.point - 1)]);
    ExpectNear(c.M, curve.M[static_cast<std::size_t>(c.point - 1)]);
    // No point lies above the axial capacity.
    for (std::size_t i = 1; i < curve.P.size(); ++i) EXPECT_LE(curve.P[i], curve.P[0]) << i;
    if (c.Fa == 300 && c.s == 48) {  // uncut: zone B's P falls
      for (std::size_t i = 7; i < 12; ++i) EXPECT_LT(curve.P[i], curve.P[i - 1]) << i;
    }
  }
}

TEST_F(InteractionCurveTest, SolidGroutedPureFlexureIsTheSmallerOfMasonryAndSteel) {
  // Solid 12 in strip, #4 at 12 in: As = 0.20, b' = bEff = 12, d = 3.8125, n = 21.48.
  //   rho = 0.2/(12 x 3.8125) = 0.0043716;  rho n = 0.0939016
  //   k = sqrt(0.0939016^2 + 2 x 0.0939016) - 0.0939016 = 0.3495178;  j = 1 - k/3 = 0.8834941
  //   Km = 250 k j = 77.199225;  Ks = 24000 rho j = 92.694460
  //   bd^2/12 = 14.535156: Mm = 1122.1028, Ms = 1347.3285 -> M = 1122.1028 (masonry)
  problem = testing::MakeWall({.solid = true, .method = "ACI"});
  input.bPrime = 12, input.bEff = 12, input.As = 0.2f, input.Ae = 91.5f;
  input.S = static_cast<float>(12.0 * 7.625 * 7.625 / 6.0);
  ExpectNear(1122.1027986, Curve(300, 12).M[kCurvePointCount - 1]);
}

TEST_F(InteractionCurveTest, AllowableMomentAtAnAxialLoad) {
  const InteractionCurve c = Curve();
  // At a curve point that point's moment: P(4) = 44275, M(4) = 6514.3507;
  // P = 0 is point N, the pure-flexure capacity.
  EXPECT_EQ(c.M[3], AllowableMomentOnCurve(c, c.P[3]));
  EXPECT_EQ(c.M[kCurvePointCount - 1], AllowableMomentOnCurve(c, 0.0f));
  // Halfway between P(3) = 46287.5 and P(4) = 44275, at P = 45281.25:
  // M = (6152.4423 + 6514.3507)/2 = 6333.3965. A quarter of the way from
  // P(6) = 40250 towards P(5) = 42262.5, at P = 40753.125: M = 7238.1674 -
  // (7238.1674 - 6876.2590)/4 = 7147.6903.
  ExpectNear(6333.3964808, AllowableMomentOnCurve(c, 45281.25f));
  ExpectNear(7147.6903144, AllowableMomentOnCurve(c, 40753.125f));
  // At or above the axial capacity and under net tension there is no moment.
  EXPECT_EQ(0.0f, AllowableMomentOnCurve(c, 48300.0f));
  EXPECT_EQ(0.0f, AllowableMomentOnCurve(c, -0.001f));
  // Just below the capacity: scanning up from pure flexure, the first point
  // above P = 48299 is point 2 (48300), so M runs between points 3 and 2:
  // 5790.5339 + (6152.4423 - 5790.5339) x (48299 - 48300)/(46287.5 - 48300)
  // = 5790.5339 + 361.90841/2012.5 = 5790.7138.
  ExpectNear(5790.7137560, AllowableMomentOnCurve(c, 48299.0f));
  // No axial capacity: no moment at any load.
  const InteractionCurve none = Curve(0);
  EXPECT_EQ(0.0f, none.AxialCapacity());
  EXPECT_EQ(0.0f, AllowableMomentOnCurve(none, 0.0f));
  EXPECT_EQ(0.0f, AllowableMomentOnCurve(none, 100.0f));
}

TEST_F(InteractionCurveTest, BarOfTheTableGivesTheStripSteel) {
  // #9 (area 1.00) at 48 in on the 48 in strip: As = 48 x 1.00/48 = 1.00,
  // the same curve as above; Mallow at P = 0 is the pure-flexure capacity.
  InteractionCurve c;
  ExpectNear(4470.9607890, AllowableMomentAtAxialLoad(problem, c, 0.0f, 24, 500, 300, input.t,
                                                      input.d, 8, 48, 161, input.S, 6, 48.0f));
  EXPECT_EQ(Curve().M, c.M);
  // #4 (0.20) at 16 in: 48 x 0.20/16 = 0.60 in^2. No such bar, or no spacing:
  // no steel.
  ExpectNear(0.6, StripSteelArea(problem, 1, 16.0f));
  EXPECT_EQ(0.0f, StripSteelArea(problem, 7, 48.0f));
  EXPECT_EQ(0.0f, StripSteelArea(problem, -1, 48.0f));
  EXPECT_EQ(0.0f, StripSteelArea(problem, 3, 0.0f));
  // Without steel the cracked section has k = 0 and no flexural capacity;
  // the curve is still complete and finite, ending at M = 0.
  input.As = 0.0f;
  c = Curve();
  for (int i = 0; i < kCurvePointCount; ++i) EXPECT_TRUE(std::isfinite(c.P[i] + c.M[i])) << i;
  EXPECT_EQ(0.0f, c.M[kCurvePointCount - 1]);
}

}  // namespace
}  // namespace calvix
