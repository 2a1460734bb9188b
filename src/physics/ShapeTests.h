#pragma once
// The geometric tests behind the narrow phase, the ray tests and the colliders' point queries.
// Shapes are circles (centre, radius) and rectangles (centre, full size, angle in radians about
// the centre). Overlap tests fill a ContactManifold whose normals point from the first shape of
// the pair (A) to the second (B); in the circle/rectangle tests the circle is A unless
// circleIsSecond is set. A test that returns false leaves the points unspecified.
//
// Sections: corners and point tests; overlap tests; swept circle tests; segment and ray tests.
#include "physics/ContactManifold.h"

#include <array>
#include <glm/vec2.hpp>

// Shapes this close still count as touching in the separating-axis stages (not circle/circle).
constexpr float ContactAllowance = 0.01f;

struct AlignedBox
{
  glm::vec2 min{0.0f, 0.0f};
  glm::vec2 max{0.0f, 0.0f};
};

// Corners in the order (-w/2, +h/2), (+w/2, +h/2), (+w/2, -h/2), (-w/2, -h/2), turned and moved.
std::array<glm::vec2, 4> GetRectangleCorners(glm::vec2 centre, glm::vec2 size, float angle);
glm::vec2 RotateVector(glm::vec2 vector, float angle);

bool CircleOverlap(glm::vec2 point, glm::vec2 centre, float radius);
bool RectangleContainsPoint(glm::vec2 point, glm::vec2 centre, glm::vec2 size, float angle);

bool CircleCircleTest(glm::vec2 centreA, float radiusA, glm::vec2 centreB, float radiusB, ContactManifold& manifold);
bool CollisionTest(glm::vec2 circleCentre, float radius, glm::vec2 rectangleCentre, glm::vec2 rectangleSize,
                   float rectangleAngle, ContactManifold& manifold, bool circleIsSecond);
bool RectangleRectangleTest(glm::vec2 centreA, glm::vec2 sizeA, float angleA, glm::vec2 centreB, glm::vec2 sizeB,
                            float angleB, ContactManifold& manifold);

// The circle moves by `movement` this step. True on a hit, which may carry no points (count 0)
// when the circle only reaches the rectangle at the end of the step.
bool SweptCircleRectangleTest(glm::vec2 circleCentre, float radius, glm::vec2 movement, glm::vec2 rectangleCentre,
                              glm::vec2 rectangleSize, float rectangleAngle, ContactManifold& manifold,
                              bool circleIsSecond);
bool SweptCircleBoxTest(glm::vec2 circleCentre, float radius, glm::vec2 movement, const AlignedBox& box,
                        ContactManifold& manifold, bool circleIsSecond);

// t is a fraction of the segment: 0 at start, 1 at end.
bool RayBoxIntersect(glm::vec2 origin, glm::vec2 direction, const AlignedBox& box, float& tmin, glm::vec2& point);
bool SegmentBoxIntersect(glm::vec2 start, glm::vec2 end, const AlignedBox& box, float& t, glm::vec2& point);
bool SegmentCircleIntersect(glm::vec2 start, glm::vec2 end, glm::vec2 centre, float radius, float& t);
bool SegmentRectangleIntersect(glm::vec2 start, glm::vec2 end, glm::vec2 centre, glm::vec2 size, float angle,
                               float& t, glm::vec2& point);
