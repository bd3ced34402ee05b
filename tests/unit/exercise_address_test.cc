#include "pages/exercise_address.h"

#include <string_view>

#include "gtest/gtest.h"

namespace trovanel {
namespace {

// A page opens only a .trovanel file of its own folder, by any spelling.
TEST(ExerciseAddressTest, OnlyAFileBesideThePageOpens) {
  for (const std::string_view name :
       {"a.trovanel", "states-of-water.trovanel", "урок 2.trovanel",
        "x.y.trovanel"}) {
    EXPECT_TRUE(IsBesideThePage(name)) << name;
  }
  for (const std::string_view name :
       {"", ".trovanel", "x.toml", "x.trovanel.html", "sub/x.trovanel",
        "../x.trovanel", "/x.trovanel", "x.trovanel/..", "./x.trovanel",
        "..\\x.trovanel", "sub\\x.trovanel", "sub%2Fx.trovanel",
        "..%2Fx.trovanel", "%2e%2e%2fx.trovanel", ".hidden.trovanel",
        "..trovanel", "//example.org/x.trovanel", "https:x.trovanel",
        "C:x.trovanel", "x?.trovanel", "x#.trovanel", "sub/\t.trovanel",
        "x\n.trovanel"}) {
    EXPECT_FALSE(IsBesideThePage(name)) << name;
  }
}

}  // namespace
}  // namespace trovanel
