#include "physics/ShapeTests.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
bool Finite(glm::vec2 v)
{
  return std::isfinite(v.x) && std::isfinite(v.y);
}
}  // namespace

TEST(ShapeTestsTest, CircleCircleIsStrictAndHandlesCoincidentCentres)
{
  ContactManifold manifold;
  EXPECT_FALSE(CircleCircleTest({0, 0}, 10, {20, 0}, 10, manifold));  // edges just touch

  ASSERT_TRUE(CircleCircleTest({0, 0}, 10, {15, 0}, 10, manifold));
  EXPECT_EQ(manifold.count, 1);
  EXPECT_FLOAT_EQ(manifold.points[0].penetration, 5.0f);
  EXPECT_FLOAT_EQ(manifold.points[0].position.x, 7.5f);  // middle of the overlap
  EXPECT_FLOAT_EQ(manifold.points[0].normal.x, 1.0f);

  ASSERT_TRUE(CircleCircleTest({3, 4}, 10, {3, 4}, 5, manifold));
  EXPECT_EQ(manifold.points[0].normal, glm::vec2(1.0f, 0.0f));
  EXPECT_FLOAT_EQ(manifold.points[0].penetration, 15.0f);
}

TEST(ShapeTestsTest, CircleRectangleUsesAllowanceAndPointsFromAToB)
{
  ContactManifold manifold;
  // 0.005 apart: inside the 0.01 allowance.
  EXPECT_TRUE(CollisionTest({60.005f, 0}, 10, {0, 0}, {100, 100}, 0, manifold, false));
  EXPECT_FALSE(CollisionTest({60.02f, 0}, 10, {0, 0}, {100, 100}, 0, manifold, false));

  ASSERT_TRUE(CollisionTest({55, 0}, 10, {0, 0}, {100, 100}, 0, manifold, false));
  EXPECT_EQ(manifold.count, 1);
  EXPECT_NEAR(manifold.points[0].normal.x, -1.0f, 1e-6f);  // circle (A) -> rectangle (B)
  EXPECT_NEAR(manifold.points[0].penetration, 5.0f, 1e-4f);
  EXPECT_NEAR(manifold.points[0].position.x, 47.5f, 1e-4f);

  ASSERT_TRUE(CollisionTest({55, 0}, 10, {0, 0}, {100, 100}, 0, manifold, true));
  EXPECT_NEAR(manifold.points[0].normal.x, 1.0f, 1e-6f);  // rectangle (A) -> circle (B)
  EXPECT_NEAR(manifold.points[0].position.x, 47.5f, 1e-4f);
}

TEST(ShapeTestsTest, CircleCentredOnCornerOrZeroSizeRectangleStaysFinite)
{
  ContactManifold manifold;
  ASSERT_TRUE(CollisionTest({50, 50}, 10, {0, 0}, {100, 100}, 0, manifold, false));
  EXPECT_TRUE(Finite(manifold.points[0].normal));
  EXPECT_TRUE(std::isfinite(manifold.points[0].penetration));

  if (CollisionTest({0, 0}, 10, {0, 0}, {0, 0}, 0, manifold, false))
  {
    EXPECT_TRUE(Finite(manifold.points[0].normal));
  }
}

TEST(ShapeTestsTest, RectanglesFaceToFaceGiveTwoPointsAtTheOverlapDepth)
{
  ContactManifold manifold;
  ASSERT_TRUE(RectangleRectangleTest({0, 0}, {100, 100}, 0, {90, 10}, {100, 100}, 0, manifold));
  ASSERT_EQ(manifold.count, 2);
  for (int index = 0; index < 2; ++index)
  {
    EXPECT_NEAR(manifold.points[index].penetration, 10.0f, 1e-4f);
    EXPECT_NEAR(manifold.points[index].normal.x, 1.0f, 1e-6f);
    EXPECT_NEAR(manifold.points[index].position.x, 45.0f, 1e-4f);  // midway between the faces
  }

  EXPECT_FALSE(RectangleRectangleTest({0, 0}, {100, 100}, 0, {200, 0}, {100, 100}, 0, manifold));

  // A turned rectangle poking a corner into a face gives one point.
  ASSERT_TRUE(RectangleRectangleTest({0, 0}, {100, 100}, 0, {0, 80}, {50, 50}, 0.785398f, manifold));
  EXPECT_EQ(manifold.count, 1);
  EXPECT_NEAR(manifold.points[0].normal.y, 1.0f, 1e-5f);
  EXPECT_GT(manifold.points[0].penetration, 0.0f);
}

TEST(ShapeTestsTest, SweptCircleCatchesThinWallsAndRespectsCorners)
{
  ContactManifold manifold;
  // Passes right through a 10-unit wall in one step: the sweep still finds it.
  ASSERT_TRUE(SweptCircleRectangleTest({-100, 0}, 5, {200, 0}, {0, 0}, {10, 100}, 0, manifold, false));
  ASSERT_EQ(manifold.count, 1);
  EXPECT_NEAR(manifold.points[0].normal.x, 1.0f, 1e-5f);

  // The segment enters the expanded box's corner region but passes outside the rounded corner.
  const AlignedBox box{{0, 0}, {10, 10}};
  EXPECT_FALSE(SweptCircleBoxTest({-10, 8.5f}, 5, {10, 10}, box, manifold, false));

  // A turned rectangle: points come back in world space.
  ASSERT_TRUE(SweptCircleRectangleTest({0, -100}, 5, {0, 200}, {0, 0}, {10, 100}, 1.5707963f, manifold, false));
  ASSERT_EQ(manifold.count, 1);
  EXPECT_NEAR(manifold.points[0].normal.y, 1.0f, 1e-4f);
}

TEST(ShapeTestsTest, SegmentAndRayTests)
{
  float t = -1.0f;
  glm::vec2 point;
  const AlignedBox box{{-10, -10}, {10, 10}};
  ASSERT_TRUE(SegmentBoxIntersect({0, 0}, {100, 0}, box, t, point));
  EXPECT_EQ(t, 0.0f);  // starts inside
  ASSERT_TRUE(SegmentBoxIntersect({-30, 0}, {30, 0}, box, t, point));
  EXPECT_NEAR(t, 20.0f / 60.0f, 1e-6f);
  EXPECT_NEAR(point.x, -10.0f, 1e-4f);
  EXPECT_FALSE(SegmentBoxIntersect({-30, 0}, {-15, 0}, box, t, point));

  float tmin = 0.0f;
  EXPECT_FALSE(RayBoxIntersect({-30, 20}, {1, 0}, box, tmin, point));  // parallel, outside the slab

  ASSERT_TRUE(SegmentCircleIntersect({-30, 0}, {30, 0}, {0, 0}, 10, t));
  EXPECT_NEAR(t, 20.0f / 60.0f, 1e-6f);
  EXPECT_FALSE(SegmentCircleIntersect({-30, 0}, {-60, 0}, {0, 0}, 10, t));  // points away
  EXPECT_FALSE(SegmentCircleIntersect({-30, 0}, {-15, 0}, {0, 0}, 10, t));  // too short

  // A segment of no length meets a circle only from inside, never through NaN.
  EXPECT_FALSE(SegmentCircleIntersect({30, 0}, {30, 0}, {0, 0}, 10, t));
  EXPECT_TRUE(SegmentCircleIntersect({3, 0}, {3, 0}, {0, 0}, 10, t));
  EXPECT_EQ(t, 0.0f);

  ASSERT_TRUE(SegmentRectangleIntersect({0, -100}, {0, 100}, {0, 0}, {100, 20}, 1.5707963f, t, point));
  EXPECT_NEAR(point.y, -50.0f, 1e-3f);
}

TEST(ShapeTestsTest, PointTestsIncludeTheEdges)
{
  EXPECT_TRUE(CircleOverlap({10, 0}, {0, 0}, 10));
  EXPECT_FALSE(CircleOverlap({10.01f, 0}, {0, 0}, 10));
  EXPECT_TRUE(RectangleContainsPoint({50, 25}, {0, 0}, {100, 50}, 0));
  EXPECT_FALSE(RectangleContainsPoint({50, 26}, {0, 0}, {100, 50}, 0));
  EXPECT_TRUE(RectangleContainsPoint({0, 45}, {0, 0}, {100, 10}, 1.5707963f));

  const auto corners = GetRectangleCorners({10, 20}, {4, 2}, 0);
  EXPECT_EQ(corners[0], glm::vec2(8, 21));
  EXPECT_EQ(corners[1], glm::vec2(12, 21));
  EXPECT_EQ(corners[2], glm::vec2(12, 19));
  EXPECT_EQ(corners[3], glm::vec2(8, 19));
}
