// Identifiers of the built-in icon and bitmaps, shared by the resource
// script and the code. Plain #defines so that windres can read them.
#pragma once

#define TOLMARIN_ICON 1

#define TOLMARIN_BMP_NO_SPACE 101
#define TOLMARIN_BMP_INST_ABOUT_ON 102
#define TOLMARIN_BMP_INST_CESSNA_ON 103
#define TOLMARIN_BMP_SPRING_ON 104
#define TOLMARIN_BMP_WINTER_ON 105
#define TOLMARIN_BMP_SUMMER_ON 106
#define TOLMARIN_BMP_FALL_ON 107
#define TOLMARIN_BMP_TRASHCAN_ON 108
#define TOLMARIN_BMP_SEASON_CESSNA_ON 109
#define TOLMARIN_BMP_SEASON_ABOUT_ON 110
#define TOLMARIN_BMP_CREDITS 111
