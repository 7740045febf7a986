#include "core/content.h"

#include "core/numbers.h"

namespace {

// Left item k and right item k belong together.
const QStringList kLeftItems = {
    u"привързвам към колесницата"_qs,
    u"привеждам към общ знаменател"_qs,
    u"прибирам си чуковете"_qs,
    u"приемам за чиста монета"_qs,
    u"през куп за грош"_qs,
    u"през девет земи в десета"_qs,
    u"превивам гръб"_qs,
    u"правя вятър"_qs,
    u"почесвам се по тила"_qs,
    u"потече по мед и масло"_qs,
    u"потъвам вдън земя"_qs,
    u"поставям си главата в торбата"_qs,
    u"поставям на мястото"_qs,
    u"размътвам водата"_qs,
    u"развързвам си кесията"_qs,
    u"прехвърлил годините"_qs,
    u"ползват ми мравки по гърба"_qs,
    u"полека да не се препънеш"_qs,
    u"показва си рогата"_qs,
    u"подрязвам крилата"_qs,
    u"подхвърлям кокъл"_qs,
    u"подвивам си опашката"_qs,
    u"подавам ръка"_qs,
    u"повеждам хорото"_qs,
    u"плюя си на ръцете"_qs,
};

const QStringList kRightItems = {
    u"поставям обществена група в пълна зависимост"_qs,
    u"изравнявам различни неща"_qs,
    u"махам се отнякъде"_qs,
    u"смятам нещо за пълна истина"_qs,
    u"небрежно, нехайно, немарливо"_qs,
    u"много надалеч"_qs,
    u"покорявам се някому"_qs,
    u"лаская някого"_qs,
    u"намирам се в затруднено положение"_qs,
    u"без пречки и затруднение, лесно и много добре"_qs,
    u"засрамвам се силно"_qs,
    u"заемам се с рисково начинание"_qs,
    u"принуждавам някого да се държи подобаващо"_qs,
    u"умишлено създавам пречки в работата"_qs,
    u"проявявам щедрост"_qs,
    u"остарял"_qs,
    u"обзема ме безпокойство"_qs,
    u"не се хвали чак толкова"_qs,
    u"показва лошите страни на характера си"_qs,
    u"отнемам възможността някому да действа"_qs,
    u"давам нещо малко за да го задоволя за момента"_qs,
    u"преставам да се съпротивлявам"_qs,
    u"предлагам помощ някому"_qs,
    u"поставям начало на нещо, давам пример"_qs,
    u"залавям се здраво на работа"_qs,
};

// Caption of the test window, then its width and the left edges and widths
// of the two phrase lists, in twips.
const QStringList kTitleAndLayout = {
    u"http://www.zorva.example Zorva по БЕЛ - идиоми - 01"_qs,
    u"11250"_qs, u"120"_qs, u"4135"_qs, u"4360"_qs, u"6575"_qs,
};

const QString kInstructions = u"Това е релационен тест.\r\n"
    "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и \r\n"
    "дясното списъчно поле.\r\n"
    "Не е задължително броят фрази в лявата част да е непременно равен на тези в \r\n"
    "дясната част.\r\n"
    "При оценяване се отчита броя въведени верни комбинации съотнесени към общия \r\n"
    "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор\r\n"_qs;

// A header row, then `flags` rows of "0".
QStringList flagList(const QString &header, int flags) {
  QStringList rows{header};
  for (int k = 1; k <= flags; ++k) rows << u"0"_qs;
  return rows;
}

// Placeholder lines of item k: its title, then k nineteen times.
QStringList placeholderLines(int k) {
  QStringList rows{u"Otgowor "_qs + decimalText(k)};
  for (int row = 1; row < 20; ++row) rows << decimalText(k);
  return rows;
}

Content makeEmbeddedContent() {
  Content content;
  content.danni = {kLeftItems, kRightItems, QStringList(), kTitleAndLayout};
  content.otgowor[0] = flagList(u"Ima li obqsneniq"_qs, 41);
  for (int k = 1; k <= Content::kExplanationLists; ++k)
    content.otgowor[k] = placeholderLines(k);
  content.otgowor[6].last() = u"5"_qs;
  content.ukazanie = kInstructions;
  content.spisGraf = flagList(u"Utochnenie dali ima grafika - 30 br"_qs, 34);
  return content;
}

}  // namespace

const Content &embeddedContent() {
  static const Content content = makeEmbeddedContent();
  return content;
}
