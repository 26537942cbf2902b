// The design basis the main window shows: method, seismic design category and
// site coefficient Fa as the next Solve uses them.
#include "model/design_basis.h"

#include <gtest/gtest.h>

#include "model/convert_input.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

TEST(DesignBasisTest, CategoryAndFaFollowTheSiteAsSolveDerivesThem) {
  struct Case {
    const char* ss;  // % of g
    const char* siteClass;
    const char* useGroup;
    float userFa;
    const char* category;
    const char* fa;
  };
  // SDS = 2/3 Fa Ss: 150 % on D: 2/3 x 1.0 x 1.5 = 1.0 -> D; 50 % on D:
  // 2/3 x 1.4 x 0.5 = 0.467 -> C (D for use group III); 20 % on A: 0.107 -> A;
  // 24.9 % on B: 0.166 -> A, 25.1 %: 0.1673 -> B.
  const Case cases[] = {
      {"150.0", "Class D", "I", 0.0f, "Category D", "1.00"},
      {"50.0", "Class D", "I", 0.0f, "Category C", "1.40"},
      {"50.0", "Class D", "III", 0.0f, "Category D", "1.40"},
      {"20.0", "Class A", "I", 0.0f, "Category A", "0.80"},
      {"24.9", "Class B", "I", 0.0f, "Category A", "1.00"},
      {"25.1", "Class B", "I", 0.0f, "Category B", "1.00"},
      {"120.0", "Class E", "II", 1.25f, "Category D", "1.25 (site-specific)"},
      {"40.0", "Class F", "I", 1.5f, "Category C", "1.50 (site-specific)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.ss) + " " + c.siteClass + " " + c.useGroup);
    StartedSession s;
    s.entry().DesignMethod = "IBC-W";
    s.entry().Fields[kSsField] = c.ss;
    s.entry().SiteClass = c.siteClass;
    s.entry().UseGroup = c.useGroup;
    s.entry().S1Class = "< 0.75 g";
    s.entry().UserFa = c.userFa;
    const DesignBasisText basis = DesignBasisOf(s.session);
    EXPECT_EQ(basis.method, "IBC 2000 Working Stress");  // see also the names below
    EXPECT_EQ(basis.category, c.category);
    EXPECT_EQ(basis.fa, c.fa);
    // The category Solve will use is the one shown.
    ConvertInput(s.session);
    EXPECT_EQ(s.working().SeismicCategory, c.category);
  }
}

TEST(DesignBasisTest, MethodNamesAndAnSsThatIsNotYetANumber) {
  EXPECT_EQ(DesignMethodName("ACI"), "ACI 530-99 Working Stress");
  EXPECT_EQ(DesignMethodName("IBC-S"), "IBC 2000 Strength");
  StartedSession s;
  s.entry().Fields[kSsField] = "1,5";
  const DesignBasisText basis = DesignBasisOf(s.session);
  EXPECT_EQ(basis.category + basis.fa, "--");
}

}  // namespace
}  // namespace calvix
