#include "host/form.h"

#include <gtest/gtest.h>

namespace {

using host::ControlSpec;
using host::FormSpec;

TEST(CentredPlace, WholeNumberDivision) {
  const auto place = host::centredPlace(1280, 1024, 993, 680);
  EXPECT_EQ(place.left, 143);  // 287 / 2
  EXPECT_EQ(place.top, 172);
  EXPECT_EQ(place.width, 993);
  EXPECT_EQ(place.height, 680);
  EXPECT_EQ(host::centredPlace(1024, 768, 380, 250).left, 322);
}

FormSpec formOf(std::initializer_list<std::pair<const char*, const char*>> controls) {
  FormSpec form;
  for (const auto& [name, parent] : controls) form.controls.push_back(ControlSpec{.name = name, .parent = parent});
  return form;
}

TEST(CreationOrder, ParentsComeFirstAndSiblingsKeepTheirOrder) {
  // A child listed before its parent, as on the video window.
  const auto form = formOf({{"b4", ""}, {"b1", "box"}, {"b8", "box"}, {"box", ""}});
  EXPECT_EQ(host::creationOrder(form), (std::vector<std::size_t>{0, 3, 1, 2}));
}

TEST(CreationOrder, LeavesOutControlsWithoutAParent) {
  const auto form = formOf({{"a", ""}, {"orphan", "missing"}, {"loop1", "loop2"}, {"loop2", "loop1"}});
  EXPECT_EQ(host::creationOrder(form), (std::vector<std::size_t>{0}));
}

TEST(FindControl, ByExactName) {
  const auto form = formOf({{"图片框1", ""}, {"图片框2", ""}});
  EXPECT_EQ(host::findControl(form, "图片框2"), 1u);
  EXPECT_FALSE(host::findControl(form, "图片框"));
}

}  // namespace
