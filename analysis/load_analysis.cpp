#include "analysis/load_analysis.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace calvix {
namespace {

using std::size_t;

constexpr int kShearIntervals = 10;
constexpr int kWallMomentIntervals = 40;
constexpr int kParapetMomentIntervals = 10;

constexpr size_t U(int i) {
  return static_cast<size_t>(i);
}

// Height above the member's base of station j of N over a length L.
double StationHeight(int j, int n, double length) {
  return static_cast<double>(n - j) * (length / static_cast<double>(n) - 1e-13);
}

// The wind rows acting on a cantilever segment from `base` to `top` (heights
// above the wall base), in the segment's own coordinates.
class CantileverWind {
 public:
  CantileverWind(const StripLoads& loads, double base, double top) {
    for (const StripWindRow& row : loads.Wind) {
      if (!(row.end > base)) continue;
      Piece piece;
      if (row.kind == StripWindRow::Kind::Uniform) {
        piece.uniform = true;
        piece.load = row.magnitude;
        piece.from = row.start >= base ? row.start - base : 0.0;
        piece.to = std::min(row.end, top) - base;
        if (!(piece.from < piece.to)) continue;
        const double length = piece.to - piece.from;
        total_ += piece.load * length;
        totalMoment_ += piece.load * length * (length / 2.0 + piece.from);
      } else if (row.kind == StripWindRow::Kind::Concentrated) {
        // A load above the top of the segment is carried down to it as a
        // force with its lever arm.
        piece.load = row.magnitude;
        piece.from = row.end - base;
        total_ += piece.load;
        totalMoment_ += piece.load * piece.from;
      } else {
        continue;
      }
      pieces_.push_back(piece);
    }
  }

  // Resultant and its moment about the segment's base.
  double Total() const { return total_; }
  double TotalMoment() const { return totalMoment_; }

  // Load below local height x and its moment about x.
  double Below(double x) const {
    double sum = 0.0;
    for (const Piece& p : pieces_) {
      if (!(x > p.from)) continue;
      sum += p.uniform ? p.load * (std::min(x, p.to) - p.from) : p.load;
    }
    return sum;
  }
  double MomentBelow(double x) const {
    double sum = 0.0;
    for (const Piece& p : pieces_) {
      if (!(x > p.from)) continue;
      if (!p.uniform) {
        sum += p.load * (x - p.from);
      } else if (x <= p.to) {
        sum += p.load * (x - p.from) * (x - p.from) / 2.0;
      } else {
        const double length = p.to - p.from;
        sum += p.load * length * (length / 2.0 + x - p.to);
      }
    }
    return sum;
  }

 private:
  struct Piece {
    bool uniform = false;
    double load = 0;  // lb/ft or lb
    double from = 0;  // local start, or the height of a concentrated load
    double to = 0;    // local end of a uniform load
  };
  std::vector<Piece> pieces_;
  double total_ = 0;
  double totalMoment_ = 0;
};

// Axial loads of the main wall at its 11 stations: the floor / roof load at
// the top, the additional load at AddY, and the weight of wall and parapet
// above the station.
void MainWallAxial(const StripLoads& loads, MemberTables& t) {
  const double h = loads.WallHeight;
  for (int j = 0; j < kStationCount; ++j) {
    const double y = StationHeight(j, kShearIntervals, h);
    const double above = loads.SelfWeight * (h + loads.ParapetHeight - y);
    const bool belowAdd = y <= loads.AddY;
    t.Axial[U(j)][0] =
        static_cast<float>(loads.FloorDead + (belowAdd ? loads.AddDead : 0.0) + above);
    t.Axial[U(j)][1] = static_cast<float>(loads.FloorLive + (belowAdd ? loads.AddLive : 0.0));
  }
}

// One station's load-group sums as the combinations use them.
struct GroupSums {
  double dead = 0, live = 0, wind = 0, seismic = 0;
};

GroupSums SumGroups(const std::array<float, kLoadGroupCount>& g) {
  GroupSums s;
  s.dead = static_cast<double>(g[kFloorDeadGroup]) + g[kAddDeadGroup];
  s.live = static_cast<double>(g[kFloorLiveGroup]) + g[kAddLiveGroup] + g[kFluidPressureGroup];
  s.wind = g[kWindGroup];
  s.seismic = g[kSeismicGroup];
  return s;
}

using Factors = std::array<float, kLoadFactorCount>;

double F(const Factors& f, int n) {
  return f[U(n - 1)];
}

// Combination k (1-5) of a lateral quantity (moment, shear or deflection).
double Lateral(int k, const GroupSums& s, const Factors& f) {
  switch (k) {
    case 1:
      return F(f, 1) * s.dead + F(f, 2) * s.live;
    case 2:
      return F(f, 3) * s.dead + F(f, 4) * s.live + F(f, 5) * s.wind;
    case 3:
      return F(f, 6) * s.dead + F(f, 7) * s.live + F(f, 8) * s.seismic;
    case 4:
      return F(f, 9) * s.dead + F(f, 10) * s.wind;
    case 5:
      return F(f, 11) * s.dead + F(f, 12) * s.seismic;
    default:
      return 0.0;
  }
}

// Combination k (1-5) of the axial loads: wind and seismic add none.
double Axial(int k, double dead, double live, const Factors& f) {
  switch (k) {
    case 1:
      return F(f, 1) * dead + F(f, 2) * live;
    case 2:
      return F(f, 3) * dead + F(f, 4) * live;
    case 3:
      return F(f, 6) * dead + F(f, 7) * live;
    case 4:
      return F(f, 9) * dead;
    case 5:
      return F(f, 11) * dead;
    default:
      return 0.0;
  }
}

// The four moment diagrams of a member (dead, live, wind, seismic) at points
// 0..n, and their deflection curves.
void DeflectionCurves(const MemberTables& t, int n, MemberDeflections& d) {
  std::array<std::vector<double>, kDeflectionCurveCount> diagrams;
  for (auto& diagram : diagrams) diagram.assign(U(n + 1), 0.0);
  for (int m = 0; m <= n; ++m) {
    const GroupSums s = SumGroups(t.Moment[U(m)]);
    diagrams[kDeadDeflection][U(m)] = s.dead;
    diagrams[kLiveDeflection][U(m)] = s.live;
    diagrams[kWindDeflection][U(m)] = s.wind;
    diagrams[kSeismicDeflection][U(m)] = s.seismic;
  }
  d.Intervals = static_cast<int16_t>(n);
  for (int c = 0; c < kDeflectionCurveCount; ++c) {
    const std::vector<double> curve =
        MomentAreaDeflection(diagrams[U(c)], d.Step, d.FlexuralStiffness, d.BaseRotation[U(c)]);
    for (int m = 0; m <= n; ++m) d.Curves[U(c)][U(m)] = static_cast<float>(curve[U(m)]);
  }
}

// Fills the combination tables of a part and, for strength design, the
// factored and deflection tables.
void Combine(const Problem& problem, bool strength, int part, AnalysisResults& r) {
  const size_t p = PartIndex(part);
  const MemberTables& t = r.Members[p];
  const MemberDeflections& d = r.Deflections[p];
  const Factors& factors = problem.entry.LoadFactors;
  Factors service{};
  service.fill(1.0f);
  const Factors& comb = strength ? service : factors;
  const int stride = part == kParapet ? 1 : kWallMomentIntervals / kShearIntervals;

  for (int j = 0; j < kStationCount; ++j) {
    const size_t js = U(j);
    const size_t m = U(stride * j);
    const GroupSums moment = SumGroups(t.Moment[m]);
    const GroupSums shear = SumGroups(t.Shear[js]);
    const double dead = t.Axial[js][0];
    const double live = t.Axial[js][1];
    GroupSums deflection;
    deflection.dead = d.Curves[kDeadDeflection][m];
    deflection.live = d.Curves[kLiveDeflection][m];
    deflection.wind = d.Curves[kWindDeflection][m];
    deflection.seismic = d.Curves[kSeismicDeflection][m];

    for (int k = 1; k <= kLoadCombinationCount; ++k) {
      const size_t ks = U(k - 1);
      const double selected = problem.entry.LoadCombSelected[ks] != 0 ? 1.0 : 0.0;
      r.CombMoment[p][ks][js] = static_cast<float>(Lateral(k, moment, comb) * selected);
      r.CombShear[p][ks][js] = static_cast<float>(Lateral(k, shear, comb) * selected);
      r.CombAxial[p][ks][js] = static_cast<float>(Axial(k, dead, live, comb) * selected);
      if (!strength) continue;
      r.FactoredMoment[p][ks][js] = static_cast<float>(Lateral(k, moment, factors) * selected);
      r.FactoredShear[p][ks][js] = static_cast<float>(Lateral(k, shear, factors) * selected);
      r.FactoredAxial[p][ks][js] = static_cast<float>(Axial(k, dead, live, factors) * selected);
      r.ServiceDeflection[p][ks][js] =
          static_cast<float>(Lateral(k, deflection, service) * selected);
      r.FactoredDeflection[p][ks][js] =
          static_cast<float>(Lateral(k, deflection, factors) * selected);
    }
  }
}

}  // namespace

MemberTables CantileverMemberTables(const StripLoads& loads, double seismicLoad, int part) {
  const bool parapet = part == kParapet;
  const double base = parapet ? loads.WallHeight : 0.0;
  const double length = parapet ? loads.ParapetHeight : loads.WallHeight;
  const int momentIntervals = parapet ? kParapetMomentIntervals : kWallMomentIntervals;
  const CantileverWind wind(loads, base, base + length);
  const double fp = seismicLoad;
  const double gamma = loads.FluidDensity;
  const double efpx = loads.EFPX;

  MemberTables t;
  t.MomentIntervals = static_cast<int16_t>(momentIntervals);

  // Shear at a station: the load above it.
  for (int j = 0; j < kStationCount; ++j) {
    const double x = StationHeight(j, kShearIntervals, length);
    auto& v = t.Shear[U(j)];
    if (base + x < efpx) {
      const double depth = efpx - base - x;
      v[kFluidPressureGroup] = static_cast<float>(gamma * depth * depth / 2.0);
    }
    v[kSeismicGroup] = static_cast<float>(fp * (length - x));
    v[kWindGroup] = static_cast<float>(wind.Total() - wind.Below(x));
  }

  // Moment at a station: the base moment carried up, less what the loads
  // below the station no longer contribute (negative for positive loads).
  for (int m = 0; m <= momentIntervals; ++m) {
    const double x = StationHeight(m, momentIntervals, length);
    auto& mo = t.Moment[U(m)];
    if (!parapet) {
      mo[kFloorDeadGroup] = static_cast<float>(-loads.FloorDeadCouple());
      mo[kFloorLiveGroup] = static_cast<float>(-loads.FloorLiveCouple());
      if (x < loads.AddY) {
        mo[kAddDeadGroup] = static_cast<float>(-loads.AddDeadCouple());
        mo[kAddLiveGroup] = static_cast<float>(-loads.AddLiveCouple());
      }
    }
    if (base + x < efpx) {
      const double depth = efpx - base - x;
      mo[kFluidPressureGroup] = static_cast<float>(-gamma * depth * depth * depth / 6.0);
    }
    mo[kSeismicGroup] =
        static_cast<float>(fp * length * x - fp * length * length / 2.0 - fp * x * x / 2.0);
    mo[kWindGroup] =
        static_cast<float>(wind.Total() * x - wind.TotalMoment() - wind.MomentBelow(x));
  }

  if (parapet) {
    for (int j = 0; j < kStationCount; ++j) {
      const double x = StationHeight(j, kShearIntervals, length);
      t.Axial[U(j)][0] = static_cast<float>(loads.SelfWeight * (length - x));
      t.Axial[U(j)][1] = 0.0f;
    }
  } else {
    MainWallAxial(loads, t);
  }
  return t;
}

MemberTables SupportedWallTables(const StripLoads& loads, double seismicLoad,
                                 double parapetSeismicMoment, double parapetWindMoment,
                                 double fixedFraction, SupportedSpanTerms& span) {
  const double h = loads.WallHeight;
  const double fp = seismicLoad;
  const double mps = parapetSeismicMoment;
  const double mpw = parapetWindMoment;
  const double f = fixedFraction;
  const double gamma = loads.FluidDensity;
  const double efpx = loads.EFPX;

  // Wind rows that start below the top; uniform rows are clipped at the top.
  struct SpanRow {
    bool uniform;
    double load, start, end, length;
  };
  std::vector<SpanRow> rows;
  for (const StripWindRow& row : loads.Wind) {
    if (!(row.start < h)) continue;
    if (row.kind == StripWindRow::Kind::Uniform) {
      const double length = std::min(row.end, h) - row.start;
      if (length <= 0.0) continue;
      rows.push_back({true, row.magnitude, row.start, row.end, length});
    } else if (row.kind == StripWindRow::Kind::Concentrated) {
      rows.push_back({false, row.magnitude, row.start, row.end, 0.0});
    }
  }

  // Simple-span base reactions: moments about the pinned top.
  double windTopMoment = mpw;
  for (const SpanRow& row : rows) {
    if (row.uniform) {
      const double centre = row.start + row.length / 2.0;
      windTopMoment += row.load * row.length * (h - centre);
    } else {
      windTopMoment += row.load * (h - row.end);
    }
  }
  const double windReaction = windTopMoment / h;
  const double seismicReaction = h * fp / 2.0 + mps / h;
  const double efpResultant = loads.FluidResultant();
  const double efpTopReaction = efpResultant * efpx / 3.0 / h;
  span.WindBaseReaction = static_cast<float>(windReaction);
  span.SeismicBaseReaction = static_cast<float>(seismicReaction);

  // Moments at a fixed base (propped span), times the fixity.
  std::array<double, kLoadGroupCount> fem{};
  if (f != 0.0) {
    fem[kFloorDeadGroup] = -0.5 * loads.FloorDeadCouple() * f;
    fem[kFloorLiveGroup] = -0.5 * loads.FloorLiveCouple() * f;
    if (loads.AddY <= h) {
      const double a = loads.AddY;
      const double carry = 1.0 - 3.0 * a * (2.0 * h - a) / (2.0 * h * h);
      fem[kAddDeadGroup] = loads.AddDeadCouple() * carry * f;
      fem[kAddLiveGroup] = loads.AddLiveCouple() * carry * f;
    }
    const double r = efpx / h;
    fem[kFluidPressureGroup] =
        efpResultant * h * (3.0 * r * r * r - 15.0 * r * r + 20.0 * r) / 60.0 * f;
    fem[kSeismicGroup] = (fp * h * h / 8.0 + 0.5 * mps) * f;
    double wind = 0.5 * mpw;
    for (const SpanRow& row : rows) {
      if (row.uniform) {
        const double c = row.start + row.length / 2.0;
        const double len = row.length;
        wind += row.load * len *
                (4.0 * c * c * c - 12.0 * c * c * h + 8.0 * c * h * h - len * len * (h - c)) /
                (8.0 * h * h);
      } else {
        const double a = row.end;
        const double b = h - a;
        wind += row.load * a * b * (h + b) / (2.0 * h * h);
      }
    }
    fem[kWindGroup] = wind * f;
  }
  for (int g = 0; g < kLoadGroupCount; ++g)
    span.BaseFixedEndMoment[U(g)] = static_cast<float>(fem[U(g)]);

  auto windBelow = [&](double y) {
    double sum = 0.0;
    for (const SpanRow& row : rows) {
      if (!(y > row.start)) continue;
      sum += row.uniform ? row.load * (std::min(y, row.end) - row.start) : row.load;
    }
    return sum;
  };
  auto windMomentBelow = [&](double y) {
    double sum = 0.0;
    for (const SpanRow& row : rows) {
      if (!(y > row.start)) continue;
      if (!row.uniform) {
        sum += row.load * (y - row.start);
      } else if (y <= row.end) {
        sum += row.load * (y - row.start) * (y - row.start) / 2.0;
      } else {
        sum += row.load * row.length * (row.length / 2.0 + y - row.end);
      }
    }
    return sum;
  };

  MemberTables t;
  t.MomentIntervals = static_cast<int16_t>(kWallMomentIntervals);

  for (int j = 0; j < kStationCount; ++j) {
    const double y = StationHeight(j, kShearIntervals, h);
    auto& v = t.Shear[U(j)];
    v[kFloorDeadGroup] =
        static_cast<float>(-loads.FloorDeadCouple() / h + fem[kFloorDeadGroup] / h);
    v[kFloorLiveGroup] =
        static_cast<float>(-loads.FloorLiveCouple() / h + fem[kFloorLiveGroup] / h);
    v[kAddDeadGroup] = static_cast<float>(-loads.AddDeadCouple() / h + fem[kAddDeadGroup] / h);
    v[kAddLiveGroup] = static_cast<float>(-loads.AddLiveCouple() / h + fem[kAddLiveGroup] / h);
    double efp = -efpTopReaction;
    if (y <= efpx && efpx > 0.0) {
      efp += efpResultant * (efpx - y) * (efpx - y) / (efpx * efpx);
    }
    v[kFluidPressureGroup] = static_cast<float>(efp + fem[kFluidPressureGroup] / h);
    v[kSeismicGroup] = static_cast<float>(seismicReaction + fem[kSeismicGroup] / h - fp * y);
    v[kWindGroup] = static_cast<float>(windReaction + fem[kWindGroup] / h - windBelow(y));
  }

  for (int m = 0; m <= kWallMomentIntervals; ++m) {
    const double y = StationHeight(m, kWallMomentIntervals, h);
    const double s = (h - y) / h;  // share of the base moment carried to y
    auto& mo = t.Moment[U(m)];
    mo[kFloorDeadGroup] =
        static_cast<float>(-loads.FloorDeadCouple() * y / h - fem[kFloorDeadGroup] * s);
    mo[kFloorLiveGroup] =
        static_cast<float>(-loads.FloorLiveCouple() * y / h - fem[kFloorLiveGroup] * s);
    auto addCouple = [&](double couple) {
      return y < loads.AddY ? -couple * y / h : couple * (1.0 - y / h);
    };
    mo[kAddDeadGroup] =
        static_cast<float>(addCouple(loads.AddDeadCouple()) - fem[kAddDeadGroup] * s);
    mo[kAddLiveGroup] =
        static_cast<float>(addCouple(loads.AddLiveCouple()) - fem[kAddLiveGroup] * s);
    double efp = (h - y) * efpTopReaction;
    if (y <= efpx) {
      const double above = gamma * (efpx - y) * (efpx - y) / 2.0;
      efp -= above * (efpx - y) / 3.0;
    }
    mo[kFluidPressureGroup] = static_cast<float>(efp - fem[kFluidPressureGroup] * s);
    mo[kSeismicGroup] =
        static_cast<float>(seismicReaction * y - fp * y * y / 2.0 - fem[kSeismicGroup] * s);
    mo[kWindGroup] =
        static_cast<float>(windReaction * y - windMomentBelow(y) - fem[kWindGroup] * s);
  }

  MainWallAxial(loads, t);
  return t;
}

void FindCombinationExtremes(AnalysisResults& r, int part) {
  const size_t p = PartIndex(part);
  for (size_t k = 0; k < U(kLoadCombinationCount); ++k) {
    const auto& moment = r.CombMoment[p][k];
    const auto& axial = r.CombAxial[p][k];
    const auto& shear = r.CombShear[p][k];
    double maxPos = static_cast<double>(moment[0]) - 0.01;
    double maxNeg = static_cast<double>(moment[0]) + 0.01;
    float axialAtPos = 0.0f, axialAtNeg = 0.0f;
    float maxShear = shear[0];
    for (int j = kStationCount - 1; j >= 0; --j) {
      const size_t js = U(j);
      if (moment[js] > maxPos) {
        maxPos = moment[js];
        axialAtPos = axial[js];
      }
      if (moment[js] < maxNeg) {
        maxNeg = moment[js];
        axialAtNeg = axial[js];
      }
      if (std::fabs(shear[js]) >= std::fabs(maxShear)) maxShear = shear[js];
    }
    r.CombMaxPosMoment[p][k] = static_cast<float>(maxPos);
    r.CombAxialAtPosMoment[p][k] = axialAtPos;
    r.CombMaxNegMoment[p][k] = static_cast<float>(maxNeg);
    r.CombAxialAtNegMoment[p][k] = axialAtNeg;
    r.CombMaxShear[p][k] = maxShear;
  }
}

void FindFactoredExtremes(AnalysisResults& r, int part) {
  const size_t p = PartIndex(part);
  for (size_t k = 0; k < U(kLoadCombinationCount); ++k) {
    const auto& moment = r.FactoredMoment[p][k];
    const auto& axial = r.FactoredAxial[p][k];
    const auto& shear = r.FactoredShear[p][k];
    const auto& deflection = r.FactoredDeflection[p][k];
    double maxPos = static_cast<double>(moment[0]) - 0.01;
    double maxNeg = static_cast<double>(moment[0]) + 0.01;
    float axialAtPos = 0.0f, axialAtNeg = 0.0f;
    int16_t posStation = 0, negStation = 0, deflectionStation = 0;
    float maxShear = shear[0];
    double ratio = 0.0;
    float maxDeflection = 0.0f;
    for (int j = kStationCount - 1; j >= 0; --j) {
      const size_t js = U(j);
      if (moment[js] > maxPos) {
        maxPos = moment[js];
        axialAtPos = axial[js];
        posStation = static_cast<int16_t>(j);
      }
      if (moment[js] < maxNeg) {
        maxNeg = moment[js];
        axialAtNeg = axial[js];
        negStation = static_cast<int16_t>(j);
      }
      if (std::fabs(shear[js]) >= std::fabs(maxShear)) {
        maxShear = shear[js];
        // Shear span M/V of the service combination (in).
        ratio =
            12.0 * r.CombMoment[p][k][js] / (static_cast<double>(r.CombShear[p][k][js]) + 0.0001);
      }
      if (std::fabs(deflection[js]) >= maxDeflection) {
        maxDeflection = std::fabs(deflection[js]);
        deflectionStation = static_cast<int16_t>(j);
      }
    }
    r.FactoredMaxPosMoment[p][k] = static_cast<float>(maxPos);
    r.FactoredAxialAtPosMoment[p][k] = axialAtPos;
    r.PosMomentStation[p][k] = posStation;
    r.FactoredMaxNegMoment[p][k] = static_cast<float>(maxNeg);
    r.FactoredAxialAtNegMoment[p][k] = axialAtNeg;
    r.NegMomentStation[p][k] = negStation;
    r.FactoredMaxShear[p][k] = maxShear;
    r.MomentShearRatio[p][k] = ratio;
    r.MaxDeflectionStation[p][k] = deflectionStation;
  }
}

AnalysisResults AnalyseLoads(const Problem& problem) {
  const EntryForm& e = problem.entry;
  const WorkingForm& w = problem.working;
  const bool strength = e.DesignMethod == "IBC-S";
  const bool hasParapet = w.ParapetHeight > 0.0f;
  const StripLoads loads = LoadsOnStrip(w);

  AnalysisResults r;
  r.Seismic = ComputeSeismicLoads(problem);
  const double wallSeismic = r.Seismic.SeismicLoad[PartIndex(kMainWall)];
  const double parapetSeismic = r.Seismic.SeismicLoad[PartIndex(kParapet)];

  MemberTables& parapet = r.Members[PartIndex(kParapet)];
  if (hasParapet) parapet = CantileverMemberTables(loads, parapetSeismic, kParapet);
  const double parapetSeismicMoment = parapet.Moment[U(kParapetMomentIntervals)][kSeismicGroup];
  const double parapetWindMoment = parapet.Moment[U(kParapetMomentIntervals)][kWindGroup];

  // Base fixity of a supported wall; a pinned base keeps no moment.
  const bool pinned = e.SupportType == "Pinned";
  const double fixedFraction = pinned ? 0.0 : e.PercentFixed / 100.0;

  MemberTables& wall = r.Members[PartIndex(kMainWall)];
  if (e.Cantilever) {
    wall = CantileverMemberTables(loads, wallSeismic, kMainWall);
  } else {
    wall = SupportedWallTables(loads, wallSeismic, parapetSeismicMoment, parapetWindMoment,
                               fixedFraction, r.Span);
  }

  if (strength) {
    MemberDeflections& d = r.Deflections[PartIndex(kMainWall)];
    d.Step = w.WallHeight / static_cast<double>(kWallMomentIntervals);
    d.FlexuralStiffness = GrossFlexuralStiffness(problem, kMainWall);
    if (!e.Cantilever) {
      // The base turns as far as its fixity lets it: the whole simple-span
      // rotation when pinned, (100 − PercentFixed) % of it otherwise, none
      // when fixed (PercentFixed 100). The fixity is the one the statics
      // used for the base moment, so that the top support stays closed also
      // for a file holding "Fixed" with another PercentFixed.
      const auto simple = SimpleSpanBaseRotations(loads, wallSeismic, parapetSeismicMoment,
                                                  parapetWindMoment, d.FlexuralStiffness);
      for (size_t c = 0; c < simple.size(); ++c)
        d.BaseRotation[c] = simple[c] * (1.0 - fixedFraction);
    }
    DeflectionCurves(wall, kWallMomentIntervals, d);
  }
  Combine(problem, strength, kMainWall, r);
  FindCombinationExtremes(r, kMainWall);
  if (strength) FindFactoredExtremes(r, kMainWall);

  if (hasParapet) {
    if (strength) {
      // The parapet is a cantilever from the wall top, integrated over its
      // own height.
      MemberDeflections& d = r.Deflections[PartIndex(kParapet)];
      d.Step = w.ParapetHeight / static_cast<double>(kParapetMomentIntervals);
      d.FlexuralStiffness = GrossFlexuralStiffness(problem, kParapet);
      DeflectionCurves(parapet, kParapetMomentIntervals, d);
    }
    Combine(problem, strength, kParapet, r);
    FindCombinationExtremes(r, kParapet);
    if (strength) FindFactoredExtremes(r, kParapet);
  }
  return r;
}

}  // namespace calvix
