#pragma once

// The plain reference windows' controls, for bench/baseline.cpp (the
// toolkit's) and bench/winbaseline.cpp (Win32).

struct Box
{
    int left, top, width, height;
};

// The launcher's buttons, text box and web views in window coordinates of
// its 120-dpi design: ten toolbar buttons, then twelve install buttons.
inline constexpr Box kButtons[] = {
    {9, 10, 32, 32},    {42, 10, 32, 32},   {75, 10, 36, 32},   {111, 10, 35, 32},  {147, 10, 92, 32},
    {242, 10, 145, 32}, {387, 10, 145, 32}, {532, 10, 110, 32}, {642, 10, 95, 32},  {737, 10, 280, 32},
    {10, 62, 537, 41},  {10, 103, 537, 41}, {10, 144, 537, 41}, {10, 185, 363, 41}, {10, 365, 537, 41},
    {10, 406, 537, 40}, {10, 464, 537, 41}, {10, 505, 537, 40}, {10, 545, 537, 41}, {10, 586, 537, 41},
    {10, 643, 537, 41}, {10, 685, 537, 41},
};
inline constexpr Box kText{13, 229, 360, 118};
