#include "platform/sdl/SdlKeyMap.h"

#include <array>
#include <utility>

namespace keldra::platform::host {

namespace {

// Virtual-key codes by their documented values.
constexpr std::array<std::pair<SDL_Keycode, UINT>, 41> kKeys{{
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},      {SDLK_RETURN, 0x0D},  {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},   {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},      {SDLK_RALT, 0x12},     {SDLK_ESCAPE, 0x1B},  {SDLK_SPACE, 0x20},
    {SDLK_PAGEUP, 0x21},    {SDLK_PAGEDOWN, 0x22}, {SDLK_END, 0x23},     {SDLK_HOME, 0x24},
    {SDLK_LEFT, 0x25},      {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},   {SDLK_DOWN, 0x28},
    {SDLK_INSERT, 0x2D},    {SDLK_DELETE, 0x2E},   {SDLK_KP_PLUS, 0x6B}, {SDLK_KP_MINUS, 0x6D},
    {SDLK_PLUS, 0xBB},      {SDLK_EQUALS, 0xBB},   {SDLK_COMMA, 0xBC},   {SDLK_MINUS, 0xBD},
    {SDLK_PERIOD, 0xBE},    {SDLK_SLASH, 0xBF},    {SDLK_F1, 0x70},      {SDLK_F2, 0x71},
    {SDLK_F3, 0x72},        {SDLK_F4, 0x73},       {SDLK_F5, 0x74},      {SDLK_F6, 0x75},
    {SDLK_F7, 0x76},        {SDLK_F8, 0x77},       {SDLK_F9, 0x78},      {SDLK_F10, 0x79},
    {SDLK_F11, 0x7A},
}};

}  // namespace

UINT SdlKeyMap::VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
    for (const auto& [sdl, vk] : kKeys) {
        if (sdl == key) return vk;
    }
    return 0;
}

}  // namespace keldra::platform::host
