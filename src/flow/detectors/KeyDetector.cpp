#include "flow/detectors/KeyDetector.h"

#include "input/Input.h"
#include "object/Members.h"

void KeyDetector::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "Key", &key, RenderInt, 0);
}

bool KeyDetector::CheckTriggered()
{
  const Input* input = Input::Instance();
  return input != nullptr && input->IsKeyTriggered(static_cast<SDL_Keycode>(key));
}
