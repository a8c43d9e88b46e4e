#include "contact_card.h"

#include <algorithm>
#include <string>

#include "stand_in_counters.h"
#include "win_text.h"

namespace vostarel::pimstore {
namespace {

using device::NumberKind;

// What the last Display showed; guarded by g_lastShownLock.
SRWLOCK g_lastShownLock = SRWLOCK_INIT;
LONG g_displayCount = 0;
LONG g_lastOid = 0;
std::wstring g_lastFileAs;

struct KindLabel {
  NumberKind Kind;
  const wchar_t* Label;
};

constexpr KindLabel kKindLabels[] = {
    {NumberKind::Mobile, L"Mobile"},       {NumberKind::Home, L"Home"},
    {NumberKind::Home2, L"Home 2"},        {NumberKind::Business, L"Work"},
    {NumberKind::Business2, L"Work 2"},    {NumberKind::Car, L"Car"},
    {NumberKind::Radio, L"Radio"},         {NumberKind::Assistant, L"Assistant"},
};

std::wstring CardText(const device::VCardContact& contact) {
  std::wstring text(vostarel::AsWide(contact.FileAs.c_str()));
  for (const KindLabel& entry : kKindLabels) {
    const std::u16string& number = contact.Number(entry.Kind);
    if (number.empty()) continue;
    text += L"\n";
    text += entry.Label;
    text += L": ";
    text += vostarel::AsWide(number.c_str());
  }
  return text;
}

void RecordShown(const device::VCardContact& contact) {
  AcquireSRWLockExclusive(&g_lastShownLock);
  g_lastFileAs = vostarel::AsWide(contact.FileAs.c_str());
  g_lastOid = contact.Oid;
  ++g_displayCount;
  ReleaseSRWLockExclusive(&g_lastShownLock);
}

}  // namespace

HRESULT ShowContactCard(const device::VCardContact& contact, HWND owner) {
  RecordShown(contact);
  const std::wstring text = CardText(contact);
  const std::wstring title =
      contact.FileAs.empty() ? std::wstring(L"Contact") : vostarel::AsWide(contact.FileAs.c_str());
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_SETFOREGROUND);
  return S_OK;
}

}  // namespace vostarel::pimstore

extern "C" LONG WINAPI StandInDisplayCount(void) {
  using namespace vostarel::pimstore;
  AcquireSRWLockShared(&g_lastShownLock);
  const LONG count = g_displayCount;
  ReleaseSRWLockShared(&g_lastShownLock);
  return count;
}

extern "C" BOOL WINAPI StandInLastDisplayed(LONG* oid, LPWSTR fileAs, DWORD fileAsCapacity) {
  using namespace vostarel::pimstore;
  AcquireSRWLockShared(&g_lastShownLock);
  const bool shown = g_displayCount > 0;
  if (shown) {
    if (oid != nullptr) *oid = g_lastOid;
    if (fileAs != nullptr && fileAsCapacity > 0) {
      const size_t length = std::min<size_t>(g_lastFileAs.size(), fileAsCapacity - 1);
      g_lastFileAs.copy(fileAs, length);
      fileAs[length] = L'\0';
    }
  }
  ReleaseSRWLockShared(&g_lastShownLock);
  return shown ? TRUE : FALSE;
}
