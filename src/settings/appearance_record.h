#pragma once

class StringList;

// The appearance record Cweta(0): a comment, the font name and size, then
// four colour groups (window background, text-field background, text
// colour, button background) of colour, red, green and blue.
void fillAppearanceRecord(StringList &record);

// Entry of the colour of group `group`; its red, green and blue follow it.
constexpr int colourEntry(int group) { return 4 * group + 3; }
