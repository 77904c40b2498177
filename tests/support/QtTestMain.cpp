// main() for the window tests: one application object for the whole run.
// Listing the tests (done at build time, without an X server) needs none.
#include <QApplication>

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  ::testing::InitGoogleTest(&argc, argv);
  std::unique_ptr<QApplication> app;
  if (!listing) app = std::make_unique<QApplication>(argc, argv);
  return RUN_ALL_TESTS();
}
