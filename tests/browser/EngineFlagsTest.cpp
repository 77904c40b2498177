#include "browser/EngineFlags.h"

#include <gtest/gtest.h>

#include "support/TestFolder.h"

using namespace lumivra;

TEST(EngineFlags, AddsWhatTheSetUpAllowsOnceAndKeepsTheRest) {
  const std::string js = " --js-flags=--expose-gc,--lite-mode,--no-expose-wasm";
  EXPECT_EQ(ReaderEngineFlags("", false, false), "--renderer-process-limit=1" + js + " --no-unsandboxed-zygote");
  EXPECT_EQ(ReaderEngineFlags("--disable-gpu", true, true),
            "--disable-gpu --renderer-process-limit=1" + js + " --no-zygote");
  // The sandbox switched off by a flag counts too; a flag already given stays as given.
  EXPECT_EQ(ReaderEngineFlags("--no-sandbox --renderer-process-limit=3 --js-flags=--lite-mode", false, false),
            "--no-sandbox --renderer-process-limit=3 --js-flags=--lite-mode --no-zygote");
  EXPECT_EQ(ReaderEngineFlags("--disable-gpu-compositing", false, true),
            "--disable-gpu-compositing --renderer-process-limit=1" + js + " --no-unsandboxed-zygote --disable-gpu");
}

TEST(EngineFlags, SoftwareRenderers) {
  EXPECT_TRUE(IsSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(IsSoftwareRenderer(""));
  EXPECT_FALSE(IsSoftwareRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
}

TEST(EngineFlags, GraphicsDeviceIsADriNodeOrNvidiaControl) {
  lumivra::testing::TestFolder dev("dev");
  EXPECT_FALSE(HasGraphicsDevice(dev.path()));
  std::filesystem::create_directory(dev / "dri");
  EXPECT_FALSE(HasGraphicsDevice(dev.path()));
  dev.Write("dri/renderD128", "");
  EXPECT_TRUE(HasGraphicsDevice(dev.path()));
  lumivra::testing::TestFolder nvidia("dev");
  nvidia.Write("nvidiactl", "");
  EXPECT_TRUE(HasGraphicsDevice(nvidia.path()));
}
