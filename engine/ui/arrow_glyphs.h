#pragma once

// The one-character captions of the controls' arrows.
inline constexpr char16_t UP_TRIANGLE[] = u"\u25B2";
inline constexpr char16_t DOWN_TRIANGLE[] = u"\u25BC";
inline constexpr char16_t LEFT_TRIANGLE[] = u"\u25C4";
inline constexpr char16_t RIGHT_TRIANGLE[] = u"\u25BA";
