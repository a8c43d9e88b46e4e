// What the result list's rows show, recorded as they are drawn: a refresh
// redraws a row only when drawing it now would show something else.
#include <gtest/gtest.h>

#include "filter.h"
#include "list_screen.h"
#include "name_speller.h"
#include "overlay_test_entries.h"

namespace vostarel {
namespace {

TEST(OverlayListScreen, ARowStillShowsWhatItShowsUntilItsDrawingWouldChange) {
  ContactEntry kim = testing::MakeEntry(u"Kim", {{u"휴대폰", u"010-1"}, {u"집", u"02-2"}});
  ContactEntry lee = testing::MakeEntry(u"Lee", {{u"휴대폰", u"010-3"}});
  ContactEntry kimAgain = kim;  // the same contact in a reloaded store
  ResultList results;
  results.Count = 2;
  results.Items[0] = &kim;
  results.Items[1] = &lee;

  ShownRows shown;
  EXPECT_FALSE(shown.StillShows(0, results, false, false)) << "nothing drawn yet";
  shown.Record(0, LookOfRow(results, 0, 240, 20, false, false));
  shown.Record(1, LookOfRow(results, 1, 240, 20, false, false));
  shown.Record(2, LookOfRow(results, 2, 240, 20, false, false));  // drawn empty
  EXPECT_TRUE(shown.StillShows(0, results, false, false));
  EXPECT_TRUE(shown.StillShows(2, results, false, false));

  // The same texts from another record, or at another place in memory.
  results.Items[0] = &kimAgain;
  EXPECT_TRUE(shown.StillShows(0, results, false, false));
  // Another number selected; another entry; a row that gets an entry.
  kimAgain.SelectedNumber = 1;
  EXPECT_FALSE(shown.StillShows(0, results, false, false));
  kimAgain.SelectedNumber = 0;
  results.Items[1] = &kim;
  EXPECT_FALSE(shown.StillShows(1, results, false, false));
  results.Count = 3;
  results.Items[2] = &lee;
  EXPECT_FALSE(shown.StillShows(2, results, false, false));
  // Other columns shown (an option, or the expanded list).
  EXPECT_FALSE(shown.StillShows(0, results, true, false));
  EXPECT_FALSE(shown.StillShows(0, results, false, true));

  // Rows past the record, and every row of a new window.
  EXPECT_FALSE(shown.StillShows(ShownRows::kRecordedRows, results, false, false));
  ListScreen screen;
  screen.Rows = shown;
  screen.Visible = true;
  screen.ItemCount = 3;
  screen.Reset(320);
  EXPECT_FALSE(screen.Rows.StillShows(0, results, false, false));
  EXPECT_FALSE(screen.Visible);
  EXPECT_EQ(screen.ItemCount, 0u);
  EXPECT_EQ(screen.ColumnWidth, 320);
}

TEST(OverlayListScreen, TheRowSizeIsPartOfWhatARowShows) {
  ContactEntry kim = testing::MakeEntry(u"Kim", {{u"휴대폰", u"010-1"}});
  ResultList results;
  results.Count = 1;
  results.Items[0] = &kim;
  const RowLook drawn = LookOfRow(results, 0, 240, 20, false, true);
  EXPECT_TRUE(SameLook(drawn, LookOfRow(results, 0, 240, 20, false, true)));
  EXPECT_FALSE(SameLook(drawn, LookOfRow(results, 0, 260, 20, false, true)));
  EXPECT_FALSE(SameLook(drawn, LookOfRow(results, 0, 240, 24, false, true)));
}

// A further key that keeps the same rows listed still changes what they mark.
TEST(OverlayListScreen, WhatARowMarksIsPartOfWhatItShows) {
  ContactEntry kim = testing::MakeEntry(u"Kim", {{u"휴대폰", u"010-1"}});
  ResultList results;
  results.Count = 1;
  results.Items[0] = &kim;
  const NameSpeller speller;
  const RowMarking typed01{&speller, u"01", SearchBits::kDefault};
  const RowMarking typed010{&speller, u"010", SearchBits::kDefault};
  ShownRows shown;
  shown.Record(0, LookOfRow(results, 0, 240, 20, false, true, typed01));
  EXPECT_TRUE(shown.StillShows(0, results, false, true, typed01));
  EXPECT_FALSE(shown.StillShows(0, results, false, true, typed010));
}

}  // namespace
}  // namespace vostarel
