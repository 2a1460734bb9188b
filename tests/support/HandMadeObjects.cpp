#include "support/HandMadeObjects.h"

#include "core/MemoryManager.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"

Handle<GameObject> MakeHandMadeObject(glm::vec2 position, const std::string& name, Space* space,
                                      std::vector<Handle<GameObject>>& objects)
{
  Handle<GameObject> object = MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, std::string("Test"), space);
  object->SetHandle(object);
  object->SetName(name);
  auto* transform = MemoryManager::New<Transform>(BRINDLE_SITE);
  object->AttachComponent(transform);
  transform->SetPosition(position);
  objects.push_back(object);
  return object;
}

void DestroyHandMadeObjects(std::vector<Handle<GameObject>>& objects, PhysicsModule& physics)
{
  for (Handle<GameObject>& object : objects)
  {
    if (object.IsValid())
      physics.RemoveObject(object->GetId());
    GameObject::Destroy(object);
  }
  objects.clear();
}

Handle<GameObject> MakeBareObject(const std::string& name)
{
  Handle<GameObject> object = MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, std::string("Test"), nullptr);
  object->SetHandle(object);
  object->SetName(name);
  return object;
}

