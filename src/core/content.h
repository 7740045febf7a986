#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>
#include <array>

// One picture of the picture store: the image and the size of its box, in
// twips. An empty image is an empty box.
struct StoredPicture {
  QImage image;
  QSize sizeTwips{1695, 1815};
};

// Everything a test is made of. The program always runs the embedded test;
// tests of the program give it small contents of their own.
struct Content {
  static constexpr int kExplanationLists = 30;
  static constexpr int kPictureBoxes = 30;

  // Danni(0): left items, Danni(1): right items, in item-number order;
  // Danni(2): unused; Danni(3): title and layout numbers.
  std::array<QStringList, 4> danni;
  // Otgowor(0): explanation flags; Otgowor(1..30): further lines of item k.
  std::array<QStringList, kExplanationLists + 1> otgowor;
  // Ukazanie(0): the instructions.
  QString ukazanie;
  // Spis_graf(0): picture flags, one per item number.
  QStringList spisGraf;
  // Graphika(1..30): the picture of item k; Graphika(0) is the display box.
  std::array<StoredPicture, kPictureBoxes + 1> graphika;
};

// The test that ships with the program: 25 Bulgarian idioms and meanings.
const Content &embeddedContent();
