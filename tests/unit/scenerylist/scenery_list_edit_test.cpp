#include "scenerylist/scenery_list_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/scenerylist/sample_lists.h"

namespace tolmarin::scenerylist {
namespace {

using testing::Area;
using testing::InUse;

SceneryList ListOf(const std::vector<SceneryArea>& areas) {
  SceneryList list;
  for (const SceneryArea& area : areas) list.areas[++list.areaCount] = area;
  return list;
}

std::vector<std::string> Titles(const SceneryList& list) {
  std::vector<std::string> titles;
  for (const SceneryArea& area : InUse(list.areas, list.areaCount)) titles.push_back(area.title);
  return titles;
}

const SceneryArea kOurs = Area(30, 1, "D:\\FS\\Orvanne\\*.bgl", "Durirezo Orvanne V1.00");

TEST(SceneryListEdit, FindsTheLastAreaWithTheSameTitleExactly) {
  const SceneryList list = ListOf({Area(1, 1, "a", "Lakes"), Area(1, 1, "b", "LAKES"),
                                   Area(1, 1, "c", "Lakes"), Area(1, 1, "d", "Lakes ")});
  EXPECT_EQ(FindSceneryArea(list, Area(0, 0, "elsewhere", "Lakes")), 3);
  EXPECT_EQ(FindSceneryArea(list, Area(0, 0, "", "LAKES")), 2);
  EXPECT_EQ(FindSceneryArea(list, Area(0, 0, "a", "lakes")), 0);
  EXPECT_EQ(FindSceneryArea(SceneryList{}, kOurs), 0);
}

TEST(SceneryListEdit, PutReplacesInPlaceOrPutsTheNewEntryFirst) {
  // An entry from an earlier installation elsewhere keeps its place and count.
  SceneryList list = ListOf({Area(1, 1, "a", "A"), Area(9, 9, "C:\\Old\\*.bgl", kOurs.title),
                             Area(2, 2, "b", "B")});
  ASSERT_TRUE(PutSceneryArea(list, kOurs));
  EXPECT_EQ(list.areaCount, 3);
  EXPECT_EQ(list.areas[2], kOurs);
  EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", kOurs.title, "B"}));

  SceneryList fresh = ListOf({Area(1, 1, "a", "A"), Area(2, 2, "b", "B"), Area(3, 3, "c", "C")});
  ASSERT_TRUE(PutSceneryArea(fresh, kOurs));
  EXPECT_EQ(fresh.areaCount, 4);
  EXPECT_EQ(fresh.areas[1], kOurs);
  EXPECT_EQ(Titles(fresh), (std::vector<std::string>{kOurs.title, "A", "B", "C"}));
  EXPECT_EQ(fresh.areas[4], Area(3, 3, "c", "C"));
}

TEST(SceneryListEdit, AFullListTakesNoNewEntryButStillAReplacement) {
  SceneryList full;
  full.areaCount = kMaxAreas;
  for (int i = 1; i <= kMaxAreas; ++i) full.areas[i] = Area(1, 1, "p", "T" + std::to_string(i));
  const SceneryList before = full;

  EXPECT_FALSE(PutSceneryArea(full, kOurs));
  EXPECT_EQ(testing::SectionsOf(full), testing::SectionsOf(before));

  full.areas[kMaxAreas].title = kOurs.title;
  EXPECT_TRUE(PutSceneryArea(full, kOurs));
  EXPECT_EQ(full.areaCount, kMaxAreas);
  EXPECT_EQ(full.areas[kMaxAreas], kOurs);

  SceneryList almost = before;
  almost.areaCount = kMaxAreas - 1;
  EXPECT_TRUE(PutSceneryArea(almost, kOurs));
  EXPECT_EQ(almost.areaCount, kMaxAreas);
  EXPECT_EQ(almost.areas[1], kOurs);
  EXPECT_EQ(almost.areas[kMaxAreas].title, "T127");
}

TEST(SceneryListEdit, RemovingTakesOutOnlyTheLastOfTwoSameTitles) {
  SceneryList list = ListOf({Area(1, 1, "a", "A"), Area(5, 5, "first", kOurs.title),
                             Area(2, 2, "b", "B"), Area(6, 6, "second", kOurs.title),
                             Area(3, 3, "c", "C")});
  RemoveSceneryAreaAt(list, FindSceneryArea(list, kOurs));
  EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", kOurs.title, "B", "C"}));
  EXPECT_EQ(list.areas[2].path, "first");

  // Out of range, as when nothing was found: nothing moves.
  for (std::int16_t index : {0, -1, 5}) {
    RemoveSceneryAreaAt(list, index);
    EXPECT_EQ(list.areaCount, 4);
  }
  RemoveSceneryAreaAt(list, 4);
  EXPECT_EQ(Titles(list), (std::vector<std::string>{"A", kOurs.title, "B"}));
}

}  // namespace
}  // namespace tolmarin::scenerylist
