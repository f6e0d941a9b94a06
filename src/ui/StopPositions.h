#pragma once

#include <vector>

// Evenly spaced stops of a slider or level bar: the first at `from`, the last at `to`, the
// others at i * (to - from) / (count - 1) + from (integer division). Empty for count < 1.
std::vector<int> StopPositions(int from, int to, int count);

// The stop nearest to a coordinate: the first i with x < (stop i + stop i+1) / 2, else the
// last stop; 0 without stops.
int NearestStop(const std::vector<int>& stops, int x);

// Level of a point on a vertical bar of `count` levels over [top, bottom]: the top gives
// count - 1 and the bottom 0. The point is clamped to the bar; a bar without height gives 0.
int LevelOfPoint(int top, int bottom, int y, int count);
