#include <windows.h>
#include <gtest/gtest.h>
TEST(Smoke, Window) {
  HWND w = CreateWindowA("BUTTON", "x", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(IsWindowVisible(w));
  DestroyWindow(w);
}
