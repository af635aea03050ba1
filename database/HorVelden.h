#pragma once
// The field numbers of the fixed fields of the horoscope tables and the sizes of their texts.
// Fields are addressed by these numbers throughout the program; property fields follow them.

namespace orvan {

// Fields of the natal and event tables.
inline constexpr int VeldInputNr = 0;
inline constexpr int VeldSName = 1;
inline constexpr int VeldName = 2;
inline constexpr int VeldKeyWords = 3;
inline constexpr int VeldInfo = 4;
inline constexpr int VeldPlace = 5;
inline constexpr int VeldLat = 6;
inline constexpr int VeldLong = 7;
inline constexpr int VeldZone = 8;
inline constexpr int VeldDateY = 9;
inline constexpr int VeldDateM = 10;
inline constexpr int VeldDateD = 11;
inline constexpr int VeldGregKal = 12;
inline constexpr int VeldTimeH = 13;
inline constexpr int VeldTimeM = 14;
inline constexpr int VeldTimeS = 15;
inline constexpr int VeldClockTime = 16;
inline constexpr int VeldDiffH = 17;
inline constexpr int VeldDiffM = 18;
inline constexpr int VeldDiffS = 19;
inline constexpr int VeldPrecH = 20;
inline constexpr int VeldPrecM = 21;
inline constexpr int VeldPrecS = 22;
inline constexpr int VeldSex = 23;
inline constexpr int VeldSelekt = 24;
inline constexpr int VeldOrvanNr = 25;   // event table only

// Fields of the relationship table.
inline constexpr int RelatVeldInputNr = 0;
inline constexpr int RelatVeldPartnerANr = 1;
inline constexpr int RelatVeldPartnerBNr = 2;
inline constexpr int RelatVeldKeyWords = 3;
inline constexpr int RelatVeldSelekt = 4;

// Sizes of the text fields, in characters.
inline constexpr int NaamLengte = 35;
inline constexpr int SteekwoordenLengte = 80;
inline constexpr int ZoneLengte = 8;

}  // namespace orvan
