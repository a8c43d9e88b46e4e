#include "index_texts.h"

namespace vostarel::cli {

void SetLibraryIndexTexts(IndexTexts& texts) {
  texts.Set(IndexText::Mobile, u"휴대폰");      // string 810
  texts.Set(IndexText::Home, u"집");            // 811
  texts.Set(IndexText::Business, u"근무");      // 812
  texts.Set(IndexText::Car, u"카폰");           // 813
  texts.Set(IndexText::Radio, u"무선");         // 814
  texts.Set(IndexText::Assistant, u"비서");     // 815
  texts.Set(IndexText::CallLog, u"통화 기록");  // 816
  texts.Set(IndexText::Sim, u"SIM");            // 817
  texts.Set(IndexText::NoName, u"이름 없음");   // 818
}

}  // namespace vostarel::cli
