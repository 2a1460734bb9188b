#include "object/MemberBase.h"

#include <utility>

MemberBase::MemberBase(std::string memberName, bool isSerialized, bool isDisplayed)
    : serialized(isSerialized), displayed(isDisplayed), name(std::move(memberName))
{
}

MemberBase::~MemberBase() = default;
