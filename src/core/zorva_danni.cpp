#include "core/zorva_danni.h"

namespace {

StringList *listOf(const QStringList &rows, QObject *parent) {
  auto *list = new StringList(StringList::Order::Unsorted, 0, parent);
  for (const QString &row : rows) list->add(row);
  return list;
}

}  // namespace

Zorva_danni::Zorva_danni(const Content &content, QObject *parent)
    : QObject(parent), Ukazanie(content.ukazanie) {
  for (size_t i = 0; i < Danni.size(); ++i) Danni[i] = listOf(content.danni[i], this);
  for (size_t k = 0; k < Otgowor.size(); ++k) Otgowor[k] = listOf(content.otgowor[k], this);
}
