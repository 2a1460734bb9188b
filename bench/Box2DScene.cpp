#include "Box2DScene.h"

#include <box2d/box2d.h>

namespace
{
b2Vec2 Metres(glm::vec2 units)
{
  return {units.x / Box2DScene::UnitsPerMetre, units.y / Box2DScene::UnitsPerMetre};
}

void AddShape(b2Body* body, const b2Shape& shape, float area)
{
  b2FixtureDef fixture;
  fixture.shape = &shape;
  // A mass of 1, as every body of our scene has.
  fixture.density = area > 0.0f ? 1.0f / area : 0.0f;
  fixture.friction = 0.0f;
  fixture.restitution = 0.0f;
  body->CreateFixture(&fixture);
}
}  // namespace

Box2DScene::Box2DScene(float stepSeconds) : world(std::make_unique<b2World>(b2Vec2(0.0f, 0.0f))), step(stepSeconds)
{
  world->SetAllowSleeping(false);
}

Box2DScene::~Box2DScene() = default;

b2Body* Box2DScene::MakeBody(glm::vec2 position, float rotation, glm::vec2 velocity, bool moving)
{
  b2BodyDef definition;
  definition.type = moving ? b2_dynamicBody : b2_staticBody;
  definition.position = Metres(position);
  definition.angle = rotation;
  definition.linearVelocity = Metres(velocity);
  return world->CreateBody(&definition);
}

void Box2DScene::AddCircle(glm::vec2 position, float radius, glm::vec2 velocity)
{
  b2CircleShape circle;
  circle.m_radius = radius / UnitsPerMetre;
  AddShape(MakeBody(position, 0.0f, velocity, true), circle, b2_pi * circle.m_radius * circle.m_radius);
}

void Box2DScene::AddBox(glm::vec2 position, glm::vec2 size, float rotation, glm::vec2 velocity)
{
  b2PolygonShape box;
  const b2Vec2 half = Metres(size * 0.5f);
  box.SetAsBox(half.x, half.y);
  AddShape(MakeBody(position, rotation, velocity, true), box, 4.0f * half.x * half.y);
}

void Box2DScene::AddWall(glm::vec2 centre, glm::vec2 size)
{
  b2PolygonShape box;
  const b2Vec2 half = Metres(size * 0.5f);
  box.SetAsBox(half.x, half.y);
  AddShape(MakeBody(centre, 0.0f, {0.0f, 0.0f}, false), box, 0.0f);
}

void Box2DScene::Step()
{
  world->Step(step, VelocityIterations, PositionIterations);
}

int Box2DScene::TouchingContacts() const
{
  int touching = 0;
  for (const b2Contact* contact = world->GetContactList(); contact != nullptr; contact = contact->GetNext())
    touching += contact->IsTouching() ? 1 : 0;
  return touching;
}
