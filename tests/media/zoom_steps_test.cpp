// The viewer's zoom steps in single precision.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "media/zoom_steps.h"

namespace fotivo {
namespace {

struct Step {
  const char* name;
  bool in;
  float from, to;
};

void PrintTo(const Step& step, std::ostream* out) { *out << step.name; }

class ZoomStepTest : public ::testing::TestWithParam<Step> {};

TEST_P(ZoomStepTest, StepsToTheNextZoom) {
  const Step& step = GetParam();
  EXPECT_EQ(step.in ? ZoomSteps::in(step.from) : ZoomSteps::out(step.from), step.to);
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomStepTest,
    ::testing::Values(Step{"InFromOne", true, 1.0f, 1.33f}, Step{"InFrom3_99ToLargest", true, 3.99f, 4.0f},
                      Step{"InStaysAtLargest", true, 4.0f, 4.0f},
                      Step{"OutFromOne", false, 1.0f, 0.67f}, Step{"OutFrom0_99", false, 0.99f, 0.66f},
                      Step{"OutFrom0_66ToSmallest", false, 0.66f, 0.33f},
                      Step{"OutFrom0_5ToSmallest", false, 0.5f, 0.33f},
                      Step{"OutStaysAtSmallest", false, 0.33f, 0.33f}),
    [](const auto& info) { return std::string(info.param.name); });

// The sequences the user sees: ten steps in up to exactly 4, three out down to 0.33.
TEST(ZoomSteps, SequencesFromOne) {
  std::vector<float> in, out;
  for (float z = 1.0f; in.empty() || in.back() < 4.0f;) in.push_back(z = ZoomSteps::in(z));
  for (float z = 1.0f; out.empty() || out.back() > 0.33f;) out.push_back(z = ZoomSteps::out(z));
  const std::vector<float> wantIn{1.33f, 1.66f, 1.99f, 2.32f, 2.65f, 2.98f, 3.31f, 3.64f, 3.97f, 4.0f};
  const std::vector<float> wantOut{0.67f, 0.34f, 0.33f};
  ASSERT_EQ(in.size(), wantIn.size());
  for (std::size_t k = 0; k < in.size(); ++k) EXPECT_FLOAT_EQ(in[k], wantIn[k]) << "step " << k;
  EXPECT_EQ(out, wantOut);
}

}  // namespace
}  // namespace fotivo
