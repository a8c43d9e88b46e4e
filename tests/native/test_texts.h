// Label texts the tests give the index, as the library's string table does.
#pragma once

#include "contact_index.h"

namespace vostarel::testing {

inline void SetKoreanTexts(IndexTexts& texts) {
  texts.Set(IndexText::Mobile, u"휴대폰");
  texts.Set(IndexText::Home, u"집");
  texts.Set(IndexText::Business, u"근무");
  texts.Set(IndexText::Car, u"카폰");
  texts.Set(IndexText::Radio, u"무선");
  texts.Set(IndexText::Assistant, u"비서");
  texts.Set(IndexText::CallLog, u"통화 기록");
  texts.Set(IndexText::Sim, u"SIM");
  texts.Set(IndexText::NoName, u"이름 없음");
}

}  // namespace vostarel::testing
