// What each row marks as having fitted the typed keys, as the phone draws
// it: the stand-in phone reads the units of the name and the number drawn
// in a mark colour (on the selected row's highlight as on the others) and
// prints them as ranges of units.
#include <windows.h>

#include <gtest/gtest.h>

#include "overlay_run.h"

namespace overlay_test {
namespace {

constexpr char kContacts[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:1\r\nFN:김민준\r\nTEL;TYPE=CELL:010-1111-2222\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:2\r\nFN:单雪梅\r\nTEL;TYPE=CELL:010-3333-4444\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:3\r\nFN:Grace Kim\r\nTEL;TYPE=CELL:010-5555-6666\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:4\r\nFN:Sarah Jung\r\nTEL;TYPE=CELL:+82 10-2345-6789\r\nEND:VCARD\r\n";

TEST(RowMarksTest, RowsMarkTheCharactersAndDigitsThatFitted) {
  ASSERT_EQ(RegisterAddressBook(), 0) << "regsvr32 pimstore.dll";
  OverlayRun run(VersionMode::kWin2003);
  run.WriteDeviceFile(L"contacts.vcf", kContacts);

  // 김민준 by kim, the way Koreans write the surname; Grace Kim by her
  // spelled name. Selected or not, a row marks the same.
  for (const wchar_t* keys : {L"546", L"546{DOWN}"}) {
    const Printed p = run.Run(keys);
    EXPECT_EQ(p.All("row"), (std::vector<std::string>{
                                std::string(keys[3] == 0 ? "*" : "-") + "\t1\t김민준\t010-1111-2222\t휴",
                                std::string(keys[3] == 0 ? "-" : "*") + "\t2\tGrace Kim\t010-5555-6666\t휴"}))
        << p.Text();
    EXPECT_EQ(p.All("marks"), (std::vector<std::string>{"0-1\t", "6-9\t"})) << p.Text();
  }
  // 单雪梅 by the initials of her surname's reading (shan) and her given name.
  Printed p = run.Run(L"796");
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\t单雪梅\t010-3333-4444\t휴"})) << p.Text();
  EXPECT_EQ(p.All("marks"), (std::vector<std::string>{"0-3\t"})) << p.Text();
  // +82 10-2345-6789 as it is dialled at home: the "0" dialled first is not
  // written in the number; "10-2345" is.
  p = run.Run(L"0102345");
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tSarah Jung\t+82 10-2345-6789\t휴"}))
      << p.Text();
  EXPECT_EQ(p.All("marks"), (std::vector<std::string>{"\t4-11"})) << p.Text();
  // The expanded list marks the same in its wider columns.
  p = run.Run(L"0102345{SOFTKEY}");
  EXPECT_EQ(p.Value("expanded"), "yes") << p.Text();
  EXPECT_EQ(p.All("marks"), (std::vector<std::string>{"\t4-11"})) << p.Text();
}

}  // namespace
}  // namespace overlay_test
