// SPDX-License-Identifier: MIT
#pragma once
// Road signs, traffic lights and the everyday symbols of buttons and
// warnings. Each paints a whole canvas.

#include "content/pictures/Canvas.h"

namespace qv::pictures {

enum class RoadSign { Stop, NoEntry, GiveWay, AheadOnly, NationalSpeedLimit, NoStopping };
enum class Symbol { Pause, Power, Peace, Radiation };

void drawRoadSign(Canvas& canvas, RoadSign sign);
// A three-lamp traffic light with the chosen lamps lit.
void drawTrafficLight(Canvas& canvas, bool red, bool amber, bool green);
void drawSymbol(Canvas& canvas, Symbol symbol);

} // namespace qv::pictures
