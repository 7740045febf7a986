#include "settings/appearance_record.h"

#include "core/string_list.h"

void fillAppearanceRecord(StringList &record) {
  static const char16_t *const kBuiltIn[] = {
      u"всичко това е за управление на цветове",
      u"Times New Roman", u"12",
      u"128", u"128", u"0", u"0",
      u"16777215", u"0", u"128", u"0",
      u"8", u"8", u"0", u"0",
      u"192", u"192", u"0", u"0",
  };
  record.clear();
  for (const char16_t *entry : kBuiltIn) record.add(QString::fromUtf16(entry));
}
