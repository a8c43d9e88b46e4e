// The compiled resource script as the platform sees it: this program links
// the same resources as the library, so its own module carries them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resource_ids.h"
#include "win_text.h"

namespace vostarel {
namespace {

HMODULE Self() { return GetModuleHandleW(nullptr); }

TEST(StringTable, EveryStringHasItsExactText) {
  const std::pair<UINT, std::u16string> expected[] = {
      {800, u"Vostarel"},
      {801, u"이 프로그램은 무료로 배포됩니다."},
      {802, u"확인"},
      {803, u"취소"},
      {804, u"Vostarel 설정.."},
      {805, u"모두 %u개의 연락처를\r\n다시 불러왔습니다."},
      {806, u"메뉴|명령|표시|"},
      {807, u"Copyright (C) 2009 Vostarel 개발팀"},
      {809, u"키패드 전환"},
      {810, u"휴대폰"},
      {811, u"집"},
      {812, u"근무"},
      {813, u"카폰"},
      {814, u"무선"},
      {815, u"비서"},
      {816, u"통화 기록"},
      {817, u"SIM"},
      {818, u"이름 없음"},
      {819, u"1|연락처 열기 \"%n\"|*"},
      {820, u"9|-|-"},
      {821, u"9|!전화 걸기 : %t|%p"},
      {822, u"1|450 메시지 보내기|MessageUtil.exe -CProg -%p"},
      {823, u"1|4500 메시지 보내기|KTFMMS.exe -type EDIT -RECEIVER \"%p\" -name \"\""},
      {824, u"1|4650 메시지 보내기|LGTSMS.exe -type EDIT -RECEIVER \"%p\" -name \"\""},
      {825, u"1|SKT 메시지 보내기|MMSDummy.exe \"1\" \"%p\""},
      {826, u"1|BM-500 메시지 보내기|MMS.exe -%p"},
      {827, u"1|SMS 보내기|tmail.exe -service \"SMS\" -to \"%n<%p>\""},
  };
  for (const auto& [id, text] : expected) {
    wchar_t buffer[1024];
    const int length = LoadStringW(Self(), id, buffer, 1024);
    EXPECT_EQ(std::u16string(AsUtf16(buffer), length > 0 ? length : 0), text) << "string " << id;
  }
  // The product name is taken in place (no buffer): pointer and length.
  const wchar_t* name = nullptr;
  const int length = LoadStringW(Self(), IDS_PRODUCT_NAME, reinterpret_cast<wchar_t*>(&name), 0);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::u16string(AsUtf16(name), length), u"Vostarel");

  wchar_t buffer[16];
  EXPECT_EQ(LoadStringW(Self(), 808, buffer, 16), 0) << "808 is not used";
  EXPECT_EQ(LoadStringW(Self(), 828, buffer, 16), 0) << "the built-ins end at 827";
}

TEST(IconResource, HoldsA32And16PixelImage) {
  // The icon group lists its images: width, height, ..., bit count at 6.
  HRSRC group = FindResourceW(Self(), MAKEINTRESOURCEW(IDI_VOSTAREL), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(Self(), group)));
  ASSERT_EQ(SizeofResource(Self(), group), 6u + 2 * 14u);
  EXPECT_EQ(bytes[4], 2) << "image count";
  for (int i = 0; i < 2; ++i) {
    const BYTE* entry = bytes + 6 + 14 * i;
    const int size = i == 0 ? 32 : 16;
    EXPECT_EQ(entry[0], size);
    EXPECT_EQ(entry[1], size);
    EXPECT_EQ(entry[6], 32) << "bits per pixel";
  }
  EXPECT_NE(LoadIconW(Self(), MAKEINTRESOURCEW(IDI_VOSTAREL)), nullptr);
}

TEST(VersionBlock, CarriesVersionAndNames) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(Self(), path, MAX_PATH), 0u);
  std::vector<BYTE> block(GetFileVersionInfoSizeW(path, nullptr));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, DWORD(block.size()), block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010008u);
  EXPECT_EQ(fixed->dwFileVersionLS, (841u << 16) | 2838u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010008u);
  EXPECT_EQ(fixed->dwProductVersionLS, (841u << 16) | 2838u);

  const std::pair<const wchar_t*, std::u16string> strings[] = {
      {L"ProductName", u"Vostarel"},
      {L"FileVersion", u"1.8.841.2838"},
      {L"ProductVersion", u"1.8.841.2838"},
      {L"OriginalFilename", u"Vostarel.dll"},
      {L"FileDescription", u"Vostarel 스마트 다이얼러"},
  };
  for (const auto& [name, text] : strings) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\041204B0\\") + name;
    wchar_t* value = nullptr;
    EXPECT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &size));
    EXPECT_EQ(std::u16string(value ? AsUtf16(value) : u"<missing>"), text);
  }
}

}  // namespace
}  // namespace vostarel
