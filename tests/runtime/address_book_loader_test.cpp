// LoadAddressBook through the real pimstore.dll, registered with regsvr32,
// and, where the stand-in cannot fail on demand, through a class object that
// wraps it (address_book_interposer.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <objbase.h>

#include <thread>

#include "address_book_interposer.h"
#include "host_test_environment.h"
#include "loader_fixture.h"
#include "store_loaders.h"

namespace vostarel::testing {
namespace {

using ::testing::ElementsAre;

// Three cards: two with numbers, one without any. The second has every
// kind of number, given out of order, and one it cannot hold (a fax).
constexpr char kThreeContacts[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:501\r\nFN:Kim Minji\r\n"
    "TEL;TYPE=HOME:02-333-4444\r\nTEL;TYPE=CELL:010-1111-2222\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:No Numbers\r\nEMAIL:x@example.org\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:777\r\nFN:Lee Jun\r\n"
    "TEL;TYPE=x-assistant:8\r\nTEL;TYPE=pager:7\r\nTEL;TYPE=car:6\r\nTEL;TYPE=work:4\r\n"
    "TEL;TYPE=work:5\r\nTEL;TYPE=home:2\r\nTEL;TYPE=home:3\r\nTEL;TYPE=cell:1\r\n"
    "TEL;TYPE=fax:9\r\nEND:VCARD\r\n";

class AddressBookLoaderTest : public LoaderTest {
 protected:
  void SetUp() override {
    LoaderTest::SetUp();
    ASSERT_EQ(PimstoreRegistrationExitCode(), 0) << "regsvr32 pimstore.dll";
    WriteDeviceFile(L"contacts.vcf", kThreeContacts);
  }
  void TearDown() override {
    ClearDeviceFiles();
    LoaderTest::TearDown();
  }
};

TEST_F(AddressBookLoaderTest, ReadsEveryNumberInKindOrderWithIdAndName) {
  LoadAddressBook(Helper());

  EXPECT_EQ(Index().AddressBook.Capacity(), 3u) << "room for every contact, numbers or not";
  EXPECT_THAT(Describe(Index().AddressBook),
              ElementsAre("501|Kim Minji|휴대폰:010-1111-2222|집:02-333-4444",
                          "777|Lee Jun|휴대폰:1|집:2|집:3|근무:4|근무:5|카폰:6|무선:7|비서:8"));
  EXPECT_STREQ(reinterpret_cast<const wchar_t*>(Index().AddressBook[0].SpelledName), L"kimminji");
}

TEST_F(AddressBookLoaderTest, EmptiesTheStoreBeforeEveryLoad) {
  LoadAddressBook(Helper());
  ASSERT_EQ(Index().AddressBook.Count(), 2u);
  Index().Results.Count = 2;

  WriteDeviceFile(L"contacts.vcf", "BEGIN:VCARD\r\nFN:Only\r\nTEL:123\r\nEND:VCARD\r\n");
  LoadAddressBook(Helper());
  EXPECT_THAT(Describe(Index().AddressBook), ElementsAre("1|Only|휴대폰:123"));
  EXPECT_EQ(Index().Results.Count, 0u) << "the result list pointed into the released array";
}

TEST_F(AddressBookLoaderTest, AnAddressBookWithoutContactsAllocatesNothing) {
  LoadAddressBook(Helper());
  WriteDeviceFile(L"contacts.vcf", "");
  LoadAddressBook(Helper());
  EXPECT_EQ(Index().AddressBook.Count(), 0u);
  EXPECT_EQ(Index().AddressBook.Capacity(), 0u);
}

TEST_F(AddressBookLoaderTest, ClearBitEmptiesTheStoreAndMakesNoObject) {
  LoadAddressBook(Helper());
  ASSERT_EQ(Index().AddressBook.Count(), 2u);

  const AddressBookInterposer interposer({});
  ASSERT_TRUE(interposer.Registered());
  SetFlags(kAllLoadBits & ~SettingsFlags::kLoadAddressBook);
  LoadAddressBook(Helper());
  EXPECT_EQ(Index().AddressBook.Capacity(), 0u);
  EXPECT_EQ(interposer.Creations(), 0) << "the address book was asked for";

  SetFlags(kAllLoadBits);
  LoadAddressBook(Helper());
  EXPECT_EQ(interposer.Creations(), 1) << "the interposer must see a load with the bit set";
  EXPECT_EQ(interposer.LiveWrappers(), 0);
}

TEST_F(AddressBookLoaderTest, AContactWhoseItemFailsIsSkippedAndTheRestAreRead) {
  const AddressBookInterposer interposer({.FailingItem = 1});
  ASSERT_TRUE(interposer.Registered());
  LoadAddressBook(Helper());
  EXPECT_EQ(interposer.ItemCalls(), 3);
  EXPECT_EQ(Index().AddressBook.Capacity(), 3u);
  ASSERT_EQ(Index().AddressBook.Count(), 1u);
  EXPECT_EQ(Index().AddressBook[0].EntryId, 777);
  EXPECT_EQ(interposer.LiveWrappers(), 0) << "wrapped objects left unreleased";
}

TEST_F(AddressBookLoaderTest, AnAddressBookThatCannotBeCreatedLeavesTheStoreEmpty) {
  LoadAddressBook(Helper());
  const AddressBookInterposer interposer({.FailCreation = true});
  ASSERT_TRUE(interposer.Registered());
  LoadAddressBook(Helper());
  EXPECT_EQ(interposer.Creations(), 1);
  EXPECT_EQ(Index().AddressBook.Capacity(), 0u);
}

// A thread whose COM the host initialised single-threaded: the loader's
// multithreaded initialisation fails there, and it must not undo the host's.
TEST_F(AddressBookLoaderTest, LeavesTheCallersOwnComInitialisationInPlace) {
  HRESULT again = E_FAIL;
  uint32_t count = 0;
  std::thread host([&] {
    const HRESULT first = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(first)) return;
    LoadAddressBook(Helper());
    count = Index().AddressBook.Count();
    again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(again)) CoUninitialize();
    CoUninitialize();
  });
  host.join();
  EXPECT_EQ(count, 2u) << "the address book is usable from the host's apartment";
  EXPECT_EQ(again, S_FALSE) << "S_OK means the loader uninitialised the host's COM";
}

}  // namespace
}  // namespace vostarel::testing
