#include "updater/download_response.h"

#include <gtest/gtest.h>

namespace {

using updater::planResponse;
using updater::Response;
using updater::ResponseUse;

constexpr auto none = std::nullopt;

struct Case {
  const char* what;
  Response response;
  bool resume;
  std::int32_t offset;
  ResponseUse use;
  std::int64_t total;
  std::int64_t done;
  std::optional<std::int64_t> bodyLength;
};

const Case cases[] = {
    {"a fresh download", {200, "5000", none}, false, 0, ResponseUse::StartOver, 5000, 0, 5000},
    {"no length", {200, none, none}, false, 0, ResponseUse::StartOver, 0, 0, none},
    {"a length that is no number", {200, "12x", none}, false, 0, ResponseUse::StartOver, 0, 0, none},
    {"a signed length", {200, "-5", none}, false, 0, ResponseUse::StartOver, 0, 0, none},
    {"a length beyond 32 bits", {200, "5000000000", none}, false, 0, ResponseUse::StartOver, 5000000000, 0, 5000000000},
    {"a resume answered with its range",
     {206, "3000", "bytes 2000-4999/5000"},
     true,
     2000,
     ResponseUse::Append,
     5000,
     2000,
     3000},
    {"a range of unknown size", {206, "3000", "bytes 2000-4999/*"}, true, 2000, ResponseUse::Append, 5000, 2000, 3000},
    {"a range of unknown size and length",
     {206, none, "bytes 2000-4999/*"},
     true,
     2000,
     ResponseUse::Append,
     0,
     2000,
     none},
    {"a resume from nought", {206, "5000", "bytes 0-4999/5000"}, true, 0, ResponseUse::Append, 5000, 0, 5000},
    {"a part that a fresh download did not ask for, from the start",
     {206, "5000", "bytes 0-4999/5000"},
     false,
     0,
     ResponseUse::StartOver,
     5000,
     0,
     5000},
    {"a resume whose range is ignored", {200, "5000", none}, true, 2000, ResponseUse::StartOver, 5000, 0, 5000},
    {"a part from before the offset",
     {206, "3100", "bytes 1900-4999/5000"},
     true,
     2000,
     ResponseUse::Refuse,
     0,
     0,
     none},
    {"a part from after the offset",
     {206, "2900", "bytes 2100-4999/5000"},
     true,
     2000,
     ResponseUse::Refuse,
     0,
     0,
     none},
    {"a part from elsewhere for a fresh download",
     {206, "10", "bytes 10-19/5000"},
     false,
     0,
     ResponseUse::Refuse,
     0,
     0,
     none},
    {"a part without a range", {206, "3000", none}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"a range in another unit", {206, "3000", "items 2000-4999/5000"}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"a range that ends before it starts",
     {206, "3000", "bytes 2000-1999/5000"},
     true,
     2000,
     ResponseUse::Refuse,
     0,
     0,
     none},
    {"a range beyond its size", {206, "3000", "bytes 2000-4999/4000"}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"a range with no size", {206, "3000", "bytes 2000-4999/"}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"a resume of a complete file", {416, "100", "bytes */5000"}, true, 5000, ResponseUse::AlreadyComplete, 0, 0, none},
    {"416 to a fresh download", {416, "100", "bytes */5000"}, false, 0, ResponseUse::Refuse, 0, 0, none},
    {"not found", {404, "150", none}, false, 0, ResponseUse::Refuse, 0, 0, none},
    {"not found on a resume", {404, "150", none}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"forbidden", {403, "150", none}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"a server error", {500, "150", none}, false, 0, ResponseUse::Refuse, 0, 0, none},
    {"a status beyond 500", {503, none, none}, true, 2000, ResponseUse::Refuse, 0, 0, none},
    {"an unknown status", {0, "5000", none}, false, 0, ResponseUse::StartOver, 5000, 0, 5000},
};

TEST(PlanResponse, JudgesStatusRangeAndLength) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto plan = planResponse(c.response, c.resume, c.offset);
    EXPECT_EQ(plan.use, c.use);
    if (c.use == ResponseUse::Refuse || c.use == ResponseUse::AlreadyComplete) continue;
    EXPECT_EQ(plan.total, c.total);
    EXPECT_EQ(plan.done, c.done);
    EXPECT_EQ(plan.bodyLength, c.bodyLength);
  }
}

}  // namespace
