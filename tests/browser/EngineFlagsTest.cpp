#include "browser/EngineFlags.h"

#include <gtest/gtest.h>

using namespace lumivra;

TEST(EngineFlags, AddsWhatTheSetUpAllowsOnceAndKeepsTheRest) {
  EXPECT_EQ(ReaderEngineFlags("", false, false), "--renderer-process-limit=1");
  EXPECT_EQ(ReaderEngineFlags("--disable-gpu", true, true),
            "--disable-gpu --renderer-process-limit=1 --no-zygote");
  // The sandbox switched off by a flag counts too; a flag already given stays as given.
  EXPECT_EQ(ReaderEngineFlags("--no-sandbox --renderer-process-limit=3", false, false),
            "--no-sandbox --renderer-process-limit=3 --no-zygote");
  EXPECT_EQ(ReaderEngineFlags("--disable-gpu-compositing", false, true),
            "--disable-gpu-compositing --renderer-process-limit=1 --disable-gpu");
}

TEST(EngineFlags, SoftwareRenderers) {
  EXPECT_TRUE(IsSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(IsSoftwareRenderer(""));
  EXPECT_FALSE(IsSoftwareRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
}
