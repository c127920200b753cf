// Host services units and libraries lean on: idle callbacks and the picture callbacks.
#include <gtest/gtest.h>

#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

std::vector<int> g_idle;

TEST(HostServices, IdleCallbacksRunLastRegisteredFirstWhileTheirWindowLives) {
  TestProgram p;
  p.Boot();
  HWND a = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  HWND b = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  g_idle.clear();
  p.Host().AddIdleCallback(
      a, [](void* arg) { g_idle.push_back(int(intptr_t(arg))); }, reinterpret_cast<void*>(1));
  p.Host().AddIdleCallback(
      b, [](void* arg) { g_idle.push_back(int(intptr_t(arg))); }, reinterpret_cast<void*>(2));
  PumpFor(p.Host(), [] { return !g_idle.empty(); });
  ASSERT_GE(g_idle.size(), 2u);
  EXPECT_EQ(g_idle[0], 2);
  EXPECT_EQ(g_idle[1], 1);
  DestroyWindow(b);  // its callback is dropped, the other one stays
  g_idle.clear();
  PumpFor(
      p.Host(), [] { return g_idle.size() >= 3; }, 200);
  ASSERT_FALSE(g_idle.empty());
  for (int v : g_idle) EXPECT_EQ(v, 1);
  DestroyWindow(a);
}

TEST(HostServices, BitmapsBecomePictureBytesAndBack) {
  TestProgram p;
  p.Boot();
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 5, 3);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SetPixel(dc, 0, 0, RGB(255, 0, 0));
  SelectObject(dc, old);

  auto bytes = reinterpret_cast<HGLOBAL>(
      p.Host().Callback(rt::win::hostcall::kBitmapToPicture, reinterpret_cast<intptr_t>(bitmap), 0));
  ASSERT_TRUE(bytes);
  size_t size = GlobalSize(bytes);
  const uint8_t* data = static_cast<const uint8_t*>(GlobalLock(bytes));
  ASSERT_GE(size, 54u);
  EXPECT_EQ(data[0], 'B');
  EXPECT_EQ(data[1], 'M');
  auto back = reinterpret_cast<HBITMAP>(p.Host().Callback(
      rt::win::hostcall::kPictureToBitmap, reinterpret_cast<intptr_t>(data), static_cast<intptr_t>(size)));
  GlobalUnlock(bytes);
  GlobalFree(bytes);
  ASSERT_TRUE(back);
  BITMAP bm{};
  GetObjectW(back, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 5);
  EXPECT_EQ(bm.bmHeight, 3);
  old = SelectObject(dc, back);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  SelectObject(dc, old);

  // Bytes that are no picture give no bitmap.
  const uint8_t junk[16] = {1, 2, 3};
  EXPECT_EQ(p.Host().Callback(rt::win::hostcall::kPictureToBitmap, reinterpret_cast<intptr_t>(junk), 16), 0);
  EXPECT_EQ(p.Host().Callback(rt::win::hostcall::kPictureToBitmap, 0, 0), 0);
  DeleteObject(back);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace host_test
