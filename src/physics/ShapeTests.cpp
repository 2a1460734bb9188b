#include "physics/ShapeTests.h"

#include <cfloat>
#include <cmath>
#include <glm/geometric.hpp>
#include <utility>

namespace
{
// Axes shorter than this (a circle centred on a corner, a rectangle of no size) give no direction.
constexpr float DegenerateLengthSquared = 1e-12f;

float Dot(glm::vec2 a, glm::vec2 b)
{
  return a.x * b.x + a.y * b.y;
}

bool Normalize(glm::vec2 vector, glm::vec2& unit)
{
  const float lengthSquared = Dot(vector, vector);
  if (!(lengthSquared >= DegenerateLengthSquared))
    return false;
  unit = vector / std::sqrt(lengthSquared);
  return true;
}

void Project(const std::array<glm::vec2, 4>& corners, glm::vec2 axis, float& min, float& max)
{
  min = max = Dot(corners[0], axis);
  for (int index = 1; index < 4; ++index)
  {
    const float projection = Dot(corners[index], axis);
    if (projection < min)
      min = projection;
    if (projection > max)
      max = projection;
  }
}

struct Edge
{
  glm::vec2 a;
  glm::vec2 b;
};

// Of the vertex furthest along `direction`, the adjoining edge most perpendicular to it.
Edge FindBestEdge(const std::array<glm::vec2, 4>& polygon, glm::vec2 direction)
{
  int best = 0;
  float bestProjection = Dot(polygon[0], direction);
  for (int index = 1; index < 4; ++index)
  {
    const float projection = Dot(polygon[index], direction);
    if (projection > bestProjection)
    {
      bestProjection = projection;
      best = index;
    }
  }
  const glm::vec2 vertex = polygon[best];
  const glm::vec2 next = polygon[(best + 1) % 4];
  const glm::vec2 previous = polygon[(best + 3) % 4];
  glm::vec2 toNext{0.0f, 0.0f};
  glm::vec2 fromPrevious{0.0f, 0.0f};
  Normalize(next - vertex, toNext);
  Normalize(vertex - previous, fromPrevious);
  if (std::fabs(Dot(fromPrevious, direction)) < std::fabs(Dot(toNext, direction)))
    return {previous, vertex};
  return {vertex, next};
}

struct ClippedPoint
{
  glm::vec2 position;
  float depth;
};

// Keeps the part of the segment on the side where offset - direction.p is at least 0 when
// `keepBelow`, or direction.p - offset at least 0 otherwise. Fewer than two points means the
// segment lies wholly outside.
int ClipSegment(const glm::vec2 in[2], int inCount, glm::vec2 direction, float offset, bool keepBelow, glm::vec2 out[2])
{
  if (inCount < 2)
    return 0;
  float distanceA = Dot(direction, in[0]) - offset;
  float distanceB = Dot(direction, in[1]) - offset;
  if (keepBelow)
  {
    distanceA = -distanceA;
    distanceB = -distanceB;
  }
  int count = 0;
  if (distanceA >= 0.0f)
    out[count++] = in[0];
  if (distanceB >= 0.0f)
    out[count++] = in[1];
  if (distanceA * distanceB < 0.0f && count < 2)
    out[count++] = in[0] + (in[1] - in[0]) * (distanceA / (distanceA - distanceB));
  return count;
}

int ClipContacts(const std::array<glm::vec2, 4>& cornersA, const std::array<glm::vec2, 4>& cornersB, glm::vec2 normal,
                 ClippedPoint out[2])
{
  const Edge edgeA = FindBestEdge(cornersA, normal);
  const Edge edgeB = FindBestEdge(cornersB, -normal);
  glm::vec2 directionA{0.0f, 0.0f};
  glm::vec2 directionB{0.0f, 0.0f};
  Normalize(edgeA.b - edgeA.a, directionA);
  Normalize(edgeB.b - edgeB.a, directionB);

  const bool referenceIsA = std::fabs(Dot(directionB, normal)) >= std::fabs(Dot(directionA, normal));
  const Edge& reference = referenceIsA ? edgeA : edgeB;
  const Edge& incident = referenceIsA ? edgeB : edgeA;
  const glm::vec2 referenceDirection = referenceIsA ? directionA : directionB;

  const glm::vec2 incidentPoints[2] = {incident.a, incident.b};
  glm::vec2 clipped[2];
  int count = ClipSegment(incidentPoints, 2, referenceDirection, Dot(referenceDirection, reference.a), false, clipped);
  glm::vec2 clippedTwice[2];
  count = ClipSegment(clipped, count, referenceDirection, Dot(referenceDirection, reference.b), true, clippedTwice);
  if (count < 2)
    return 0;

  const glm::vec2 referenceNormal{referenceDirection.y, -referenceDirection.x};
  const float referenceOffset = Dot(referenceNormal, reference.a);
  int outCount = 0;
  for (int index = 0; index < 2; ++index)
  {
    const glm::vec2 point = clippedTwice[index];
    const float depth = Dot(referenceNormal, point) - referenceOffset;
    if (!(depth >= 0.0f))
      continue;
    // Midway between the incident point and the reference face.
    const glm::vec2 position = referenceIsA ? point + normal * (depth * 0.5f) : point - normal * (depth * 0.5f);
    out[outCount++] = {position, depth};
  }
  return outCount;
}

void FillSinglePoint(ContactManifold& manifold, glm::vec2 position, float penetration, glm::vec2 normal)
{
  manifold.points[0].position = position;
  manifold.points[0].penetration = penetration;
  manifold.points[0].normal = normal;
  manifold.count = 1;
}
}  // namespace

glm::vec2 RotateVector(glm::vec2 vector, float angle)
{
  const float cosine = std::cos(angle);
  const float sine = std::sin(angle);
  return {vector.x * cosine - vector.y * sine, vector.x * sine + vector.y * cosine};
}

std::array<glm::vec2, 4> GetRectangleCorners(glm::vec2 centre, glm::vec2 size, float angle)
{
  const float halfWidth = size.x * 0.5f;
  const float halfHeight = size.y * 0.5f;
  const float cosine = std::cos(angle);
  const float sine = std::sin(angle);
  const glm::vec2 local[4] = {
      {-halfWidth, halfHeight}, {halfWidth, halfHeight}, {halfWidth, -halfHeight}, {-halfWidth, -halfHeight}};
  std::array<glm::vec2, 4> corners;
  for (int index = 0; index < 4; ++index)
    corners[index] = centre + glm::vec2{local[index].x * cosine - local[index].y * sine,
                                        local[index].x * sine + local[index].y * cosine};
  return corners;
}

bool CircleOverlap(glm::vec2 point, glm::vec2 centre, float radius)
{
  const glm::vec2 offset = point - centre;
  return radius * radius >= Dot(offset, offset);
}

bool RectangleContainsPoint(glm::vec2 point, glm::vec2 centre, glm::vec2 size, float angle)
{
  const glm::vec2 local = RotateVector(point - centre, -angle);
  return local.x >= -size.x * 0.5f && local.x <= size.x * 0.5f && local.y >= -size.y * 0.5f &&
         local.y <= size.y * 0.5f;
}

bool CircleCircleTest(glm::vec2 centreA, float radiusA, glm::vec2 centreB, float radiusB, ContactManifold& manifold)
{
  const glm::vec2 offset = centreB - centreA;
  const float distance = std::sqrt(Dot(offset, offset));
  const float penetration = radiusA + radiusB - distance;
  if (!(penetration > 0.0f))
    return false;
  const glm::vec2 normal = distance > 0.0f ? offset / distance : glm::vec2{1.0f, 0.0f};
  FillSinglePoint(manifold, centreA + normal * (radiusA - penetration * 0.5f), penetration, normal);
  return true;
}

bool CollisionTest(glm::vec2 circleCentre, float radius, glm::vec2 rectangleCentre, glm::vec2 rectangleSize,
                   float rectangleAngle, ContactManifold& manifold, bool circleIsSecond)
{
  const std::array<glm::vec2, 4> corners = GetRectangleCorners(rectangleCentre, rectangleSize, rectangleAngle);
  int closest = 0;
  float closestDistance = FLT_MAX;
  for (int index = 0; index < 4; ++index)
  {
    const glm::vec2 offset = corners[index] - circleCentre;
    const float distance = Dot(offset, offset);
    if (distance < closestDistance)
    {
      closestDistance = distance;
      closest = index;
    }
  }

  const glm::vec2 candidates[3] = {corners[0] - corners[1], corners[3] - corners[0], corners[closest] - circleCentre};
  bool anyAxis = false;
  float smallestOverlap = FLT_MAX;
  glm::vec2 bestAxis{1.0f, 0.0f};
  for (const glm::vec2& candidate : candidates)
  {
    glm::vec2 axis;
    if (!Normalize(candidate, axis))
      continue;
    float min = 0.0f;
    float max = 0.0f;
    Project(corners, axis, min, max);
    const float centre = Dot(circleCentre, axis);
    const float overlap = (centre + radius > max) ? max - (centre - radius) : (centre + radius) - min;
    if (!(overlap + ContactAllowance > 0.0f))
      return false;
    if (!anyAxis || overlap < smallestOverlap)
    {
      smallestOverlap = overlap;
      bestAxis = axis;
    }
    anyAxis = true;
  }
  if (!anyAxis)
    return false;

  const glm::vec2 towardsRectangle = rectangleCentre - circleCentre;
  if (Dot(bestAxis, towardsRectangle) < 0.0f)
    bestAxis = -bestAxis;
  // bestAxis now points from the circle towards the rectangle.
  const glm::vec2 normal = circleIsSecond ? -bestAxis : bestAxis;
  FillSinglePoint(manifold, circleCentre + bestAxis * (radius - smallestOverlap * 0.5f), smallestOverlap, normal);
  return true;
}

bool RectangleRectangleTest(glm::vec2 centreA, glm::vec2 sizeA, float angleA, glm::vec2 centreB, glm::vec2 sizeB,
                            float angleB, ContactManifold& manifold)
{
  const std::array<glm::vec2, 4> cornersA = GetRectangleCorners(centreA, sizeA, angleA);
  const std::array<glm::vec2, 4> cornersB = GetRectangleCorners(centreB, sizeB, angleB);
  const glm::vec2 candidates[4] = {cornersA[0] - cornersA[1], cornersA[3] - cornersA[0], cornersB[0] - cornersB[1],
                                   cornersB[3] - cornersB[0]};
  bool anyAxis = false;
  float smallestOverlap = FLT_MAX;
  glm::vec2 normal{1.0f, 0.0f};
  for (const glm::vec2& candidate : candidates)
  {
    glm::vec2 axis;
    if (!Normalize(candidate, axis))
      continue;
    float minA = 0.0f;
    float maxA = 0.0f;
    float minB = 0.0f;
    float maxB = 0.0f;
    Project(cornersA, axis, minA, maxA);
    Project(cornersB, axis, minB, maxB);
    const float overlap = (maxB > maxA) ? maxA - minB : maxB - minA;
    if (!(overlap + ContactAllowance > 0.0f))
      return false;
    if (!anyAxis || overlap < smallestOverlap)
    {
      smallestOverlap = overlap;
      normal = axis;
    }
    anyAxis = true;
  }
  if (!anyAxis)
    return false;
  if (Dot(normal, centreB - centreA) < 0.0f)
    normal = -normal;

  ClippedPoint clipped[2];
  const int count = ClipContacts(cornersA, cornersB, normal, clipped);
  if (count == 0)
    return false;
  for (int index = 0; index < count; ++index)
  {
    manifold.points[index].position = clipped[index].position;
    manifold.points[index].penetration = clipped[index].depth;
    manifold.points[index].normal = normal;
  }
  manifold.count = count;
  return true;
}

bool SweptCircleRectangleTest(glm::vec2 circleCentre, float radius, glm::vec2 movement, glm::vec2 rectangleCentre,
                              glm::vec2 rectangleSize, float rectangleAngle, ContactManifold& manifold,
                              bool circleIsSecond)
{
  const glm::vec2 localCentre = RotateVector(circleCentre - rectangleCentre, -rectangleAngle);
  const glm::vec2 localMovement = RotateVector(movement, -rectangleAngle);
  bool hit = false;
  if (std::fabs(localMovement.x) < 1e-6f && std::fabs(localMovement.y) < 1e-6f)
  {
    hit = CollisionTest(localCentre, radius, {0.0f, 0.0f}, rectangleSize, 0.0f, manifold, circleIsSecond);
  }
  else
  {
    const AlignedBox box{-rectangleSize * 0.5f, rectangleSize * 0.5f};
    hit = SweptCircleBoxTest(localCentre, radius, localMovement, box, manifold, circleIsSecond);
  }
  if (hit)
  {
    for (int index = 0; index < manifold.count; ++index)
    {
      manifold.points[index].position = RotateVector(manifold.points[index].position, rectangleAngle) + rectangleCentre;
      manifold.points[index].normal = RotateVector(manifold.points[index].normal, rectangleAngle);
    }
  }
  return hit;
}

bool SweptCircleBoxTest(glm::vec2 circleCentre, float radius, glm::vec2 movement, const AlignedBox& box,
                        ContactManifold& manifold, bool circleIsSecond)
{
  const glm::vec2 boxCentre = (box.min + box.max) * 0.5f;
  const glm::vec2 boxSize = box.max - box.min;
  const glm::vec2 end = circleCentre + movement;
  if (end == circleCentre)
    return CollisionTest(circleCentre, radius, boxCentre, boxSize, 0.0f, manifold, circleIsSecond);

  const AlignedBox expanded{box.min - glm::vec2{radius, radius}, box.max + glm::vec2{radius, radius}};
  float t = 0.0f;
  glm::vec2 point;
  if (!SegmentBoxIntersect(circleCentre, end, expanded, t, point))
    return false;

  const bool xBelow = point.x < box.min.x;
  const bool yBelow = point.y < box.min.y;
  const bool xAbove = point.x > box.max.x;
  const bool yAbove = point.y > box.max.y;
  if ((xBelow || xAbove) && (yBelow || yAbove))
  {
    // In a corner region of the expanded box the true boundary is the circle around the corner.
    glm::vec2 corner{box.min.x, box.max.y};
    if (xBelow && yBelow)
      corner = box.min;
    else if (yBelow && xAbove)
      corner = {box.max.x, box.min.y};
    else if (xAbove && yAbove)
      corner = box.max;
    if (!SegmentCircleIntersect(circleCentre, end, corner, radius, t))
      return false;
  }

  manifold.count = 0;
  CollisionTest(circleCentre + movement * t, radius, boxCentre, boxSize, 0.0f, manifold, circleIsSecond);
  return true;
}

bool RayBoxIntersect(glm::vec2 origin, glm::vec2 direction, const AlignedBox& box, float& tmin, glm::vec2& point)
{
  float low = -FLT_MAX;
  float high = FLT_MAX;
  for (int axis = 0; axis < 2; ++axis)
  {
    if (std::fabs(direction[axis]) < 1e-6f)
    {
      if (origin[axis] < box.min[axis] || origin[axis] > box.max[axis])
        return false;
      continue;
    }
    float t1 = (box.min[axis] - origin[axis]) / direction[axis];
    float t2 = (box.max[axis] - origin[axis]) / direction[axis];
    if (t1 > t2)
      std::swap(t1, t2);
    if (t1 < 0.0f)
      t1 = 0.0f;
    if (t1 > low)
      low = t1;
    if (t2 < high)
      high = t2;
    if (low > high)
      return false;
  }
  if (low == -FLT_MAX)
    low = 0.0f;
  tmin = low;
  point = origin + direction * low;
  return true;
}

bool SegmentBoxIntersect(glm::vec2 start, glm::vec2 end, const AlignedBox& box, float& t, glm::vec2& point)
{
  const glm::vec2 offset = end - start;
  const float length = std::sqrt(Dot(offset, offset));
  const glm::vec2 direction = length != 0.0f ? offset / length : offset;
  float tmin = 0.0f;
  glm::vec2 rayPoint;
  if (!RayBoxIntersect(start, direction, box, tmin, rayPoint))
    return false;
  t = (tmin > 0.0f && length != 0.0f) ? tmin / length : tmin;
  if (t > 1.0f)
    return false;
  point = start + offset * t;
  return true;
}

bool SegmentCircleIntersect(glm::vec2 start, glm::vec2 end, glm::vec2 centre, float radius, float& t)
{
  const glm::vec2 offset = end - start;
  const float length = std::sqrt(Dot(offset, offset));
  const glm::vec2 fromCentre = start - centre;
  const float startOutside = Dot(fromCentre, fromCentre) - radius * radius;
  if (length == 0.0f)
  {
    // A point: it meets the circle only where it lies inside it.
    if (!(startOutside <= 0.0f))
      return false;
    t = 0.0f;
    return true;
  }
  const glm::vec2 unit = offset / length;
  const float along = Dot(fromCentre, unit);
  if (startOutside > 0.0f && along > 0.0f)
    return false;
  const float discriminant = along * along - startOutside;
  if (!(discriminant >= 0.0f))
    return false;
  float distance = -along - std::sqrt(discriminant);
  if (distance < 0.0f)
    distance = 0.0f;
  if (distance > length)
    return false;
  t = distance / length;
  return true;
}

bool SegmentRectangleIntersect(glm::vec2 start, glm::vec2 end, glm::vec2 centre, glm::vec2 size, float angle,
                               float& t, glm::vec2& point)
{
  const glm::vec2 localStart = RotateVector(start - centre, -angle);
  const glm::vec2 localEnd = RotateVector(end - centre, -angle);
  const AlignedBox box{-size * 0.5f, size * 0.5f};
  glm::vec2 localPoint;
  if (!SegmentBoxIntersect(localStart, localEnd, box, t, localPoint))
    return false;
  point = start + (end - start) * t;
  return true;
}
