// BackgroundSchedule: the main window's background for each suspect of a mission.
#pragma once

#include "game/colours.h"

// suspectNo must be 1..6; the colours darken as the mission goes on.
Colour BackgroundSchedule(int suspectNo);
