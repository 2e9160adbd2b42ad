#pragma once

#include <cstdint>

// The engine key codes the toolkit's controls answer to.
constexpr int32_t KEY_SELECT_ALL = 1;
constexpr int32_t KEY_HOME = 5;
constexpr int32_t KEY_UP = 6;
constexpr int32_t KEY_PAGE_UP = 7;
constexpr int32_t KEY_BACKSPACE = 8;
constexpr int32_t KEY_TAB = 9;
constexpr int32_t KEY_DOWN = 10;
constexpr int32_t KEY_LEFT = 11;
constexpr int32_t KEY_RIGHT = 12;
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_END = 14;
constexpr int32_t KEY_PAGE_DOWN = 15;
constexpr int32_t KEY_INSERT = 16;
constexpr int32_t KEY_DELETE = 17;
constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_SPACE = 32;
// Sent by the engine as "confirm", besides Enter.
constexpr int32_t KEY_CONFIRM = 250;
