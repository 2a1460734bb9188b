#pragma once
// A reflected member of one field type: where the field lives, its widget and its declared default.
// The JSON form of each type is in MemberJson.h (or beside types owned by other subsystems).
#include "core/Log.h"
#include "object/MemberBase.h"
#include "object/MemberJson.h"
#include "object/MemberWidgets.h"

#include <utility>

template <typename T>
class MemberData final : public MemberBase
{
public:
  MemberData(std::string memberName, T* fieldAddress, MemberWidget<T> editorWidget, T declaredDefault,
             bool isSerialized, bool isDisplayed)
      : MemberBase(std::move(memberName), isSerialized, isDisplayed),
        field(fieldAddress),
        widget(editorWidget != nullptr ? editorWidget : &DataNotRendered<T>),
        defaultValue(std::move(declaredDefault))
  {
  }

  void RenderEditor() override { widget(GetName(), field); }

  void Serialize(Json::Value& out) const override { WriteMemberJson(*field, out); }

  bool Deserialize(const Json::Value& in) override
  {
    if (in.isNull())
      return true;
    const char* problem = ReadMemberJson(in, *field);
    if (problem == nullptr)
      return true;
    // A level may give the same wrong value to hundreds of objects: it is said once.
    LogOnce("Member " + GetName() + ": " + problem + " " + in.toStyledString(), LogLevel::Error,
            "Member \"", GetName(), "\": ", problem, "; it keeps its value.");
    return false;
  }

  bool Equals(const MemberBase& other) const override
  {
    const auto* same = dynamic_cast<const MemberData<T>*>(&other);
    return same != nullptr && MemberValuesEqual(*field, *same->field);
  }

  bool HasChanged() const override { return MemberValueChanged(*field, defaultValue); }

  T* GetField() const { return field; }
  const T& GetDefault() const { return defaultValue; }

private:
  T* field;
  MemberWidget<T> widget;
  T defaultValue;
};
