#pragma once

#include <vector>

#include "platform/Geometry.h"

// A polygon for hit tests with the alternate (even-odd) rule. Points on an edge count as
// inside, so a point on the edge two regions share lies in both and the first tested wins.
class PolygonRegion {
  public:
    PolygonRegion() = default;
    explicit PolygonRegion(std::vector<Point> points) : points_(std::move(points)) {}

    bool Contains(Point point) const;
    const std::vector<Point>& Points() const { return points_; }

  private:
    std::vector<Point> points_;
};
