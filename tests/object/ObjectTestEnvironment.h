#pragma once
// What object-model tests run in: an event manager published for the test, a recording
// assertion handler, and a check that the test gave back every pooled block it took.
#include "support/RecordingAssertHandler.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/Members.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class ObjectTest : public ::testing::Test
{
protected:
  ObjectTest() : recordsBefore(MemoryManager::Instance()->RecordCount())
  {
    events = new EventManager();
    EventManager::SetInstance(events);
  }

  ~ObjectTest() override
  {
    EventManager::SetInstance(nullptr);
    delete events;
    EXPECT_EQ(MemoryManager::Instance()->RecordCount(), recordsBefore) << "pooled objects were left behind";
  }

  RecordingAssertHandler asserts;
  EventManager* events = nullptr;

private:
  std::size_t recordsBefore;
};

// A bare game object made the way the factory makes them.
inline Handle<GameObject> MakeBareObject(const std::string& name = "object")
{
  Handle<GameObject> object = MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, std::string("Test"), nullptr);
  object->SetHandle(object);
  object->SetName(name);
  return object;
}

// Members of a component, freed when the list goes.
class MemberList
{
public:
  explicit MemberList(Component& component) { component.GetMembers(members); }
  ~MemberList() { Members::Clear(members); }
  MemberList(const MemberList&) = delete;
  MemberList& operator=(const MemberList&) = delete;

  MemberBase* operator[](const std::string& name) const { return Members::Find(members, name); }
  std::vector<MemberBase*>& Get() { return members; }

private:
  std::vector<MemberBase*> members;
};
