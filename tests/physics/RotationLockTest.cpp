#include "PhysicsTestScene.h"

#include "object/FrameEvents.h"
#include "physics/RotationLock.h"

using G = CollisionGroup;

TEST_F(PhysicsSceneTest, RotationLockHoldsTheBodyUpright)
{
  Handle<GameObject> crate = MakeObject({0, 0});
  crate->GetTransform()->SetRotation(0.5f);
  Rigidbody* body = AddBody(crate);
  body->invMomentInertia = 0.25f;
  AddRectangle(crate, {40, 40}, G::ENEMY);
  auto* lock = MemoryManager::New<RotationLock>(BRINDLE_SITE);
  crate->AttachComponent(lock);
  lock->OnAwake();
  EXPECT_EQ(crate->GetTransform()->GetRotation(), 0.0f);
  EXPECT_EQ(lock->savedInvMomentInertia, 0.25f);

  // Hit off-centre by a pushing neighbour: no turn while locked.
  Handle<GameObject> pusher = MakeObject({30, 15});
  Rigidbody* pusherBody = AddBody(pusher);
  pusherBody->velocity = {-200, 0};
  AddCircle(pusher, 10, G::ENEMY);
  UpdateEvent update(SpaceId, 1.0f / 60.0f);
  events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, SpaceId, 1.0f / 60.0f));
  EXPECT_EQ(body->invMomentInertia, 0.0f);
  for (int step = 0; step < 5; ++step)
    StepOnce();
  EXPECT_EQ(body->angularVelocity, 0.0f);

  crate->GetTransform()->SetRotation(1e-8f);
  lock->On(&update);
  EXPECT_EQ(crate->GetTransform()->GetRotation(), 1e-8f);  // below the float epsilon
  crate->GetTransform()->SetRotation(0.01f);
  lock->On(&update);
  EXPECT_EQ(crate->GetTransform()->GetRotation(), 0.0f);

  lock->locked = false;
  lock->On(&update);
  EXPECT_EQ(body->invMomentInertia, 0.25f);

  // Let go and clear of the pusher, the crate turns again, slowed by its angular drag alone.
  pusher->GetTransform()->SetPosition({-300, 0});
  module->UpdateObject(pusher->GetId(), 0.0f);
  body->velocityDrag = 1.0f;
  body->angularDrag = 6.0f;
  body->angularVelocity = 2.0f;
  StepOnce();
  EXPECT_FLOAT_EQ(body->angularVelocity, 2.0f * (1.0f - 6.0f * module->timer.stepTime));

  // The editor takes the body away: the lock lets go of it, and leaves alone the next body made,
  // which the pool puts in the removed one's place.
  crate->RemoveComponent(crate->GetComponents().find("Rigidbody"));
  Handle<GameObject> newcomer = MakeObject({300, 0}, "newcomer");
  Rigidbody* newcomerBody = AddBody(newcomer);
  newcomerBody->invMomentInertia = 0.5f;
  lock->locked = true;
  lock->On(&update);
  EXPECT_EQ(newcomerBody->invMomentInertia, 0.5f);

  // Without a body the lock says so and keeps only the rotation.
  Handle<GameObject> loose = MakeObject({500, 500});
  auto* looseLock = MemoryManager::New<RotationLock>(BRINDLE_SITE);
  loose->AttachComponent(looseLock);
  testing::internal::CaptureStdout();
  looseLock->OnAwake();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("[ERROR]"), std::string::npos);
  looseLock->On(&update);

  // A wall (a collider, no body) that loses its lock keeps colliding: a ball still stops at it.
  AddRectangle(loose, {40, 40}, G::WALL, true);
  loose->RemoveComponent(loose->GetComponents().find("RotationLock"));
  Handle<GameObject> ball = MakeObject({500, 530}, "ball");
  Rigidbody* ballBody = AddBody(ball);
  AddCircle(ball, 15, G::PLAYER);
  ballBody->velocity = {0, -100};
  StepOnce();
  EXPECT_GT(ballBody->velocity.y, -100.0f) << "pushed back out of the wall";
}
