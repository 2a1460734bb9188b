#pragma once
// A long-lived reference to a pooled object. It remembers the block's generation id when it was
// taken; once the object is released the block's id changes and every copy reads as null, also
// after the block has a new occupant. Each block counts its valid handles, and dropping the last
// one of a live object is reported as a leak.
#include "core/BlockHeader.h"
#include "core/SiteTag.h"

#include <cstdint>
#include <utility>

template <typename T>
class Handle
{
public:
  Handle() = default;

  Handle(BlockHeader* header, const HandleSite& allocationSite)
  {
    if (header == nullptr)
      return;
    block = header;
    id = header->currentId;
    header->AddHandle();
    site = allocationSite;
    cached = IsValid() ? static_cast<T*>(header->Object()) : nullptr;
  }

  Handle(const Handle& other) : block(other.block), id(other.id), site(other.site)
  {
    cached = IsValid() ? static_cast<T*>(block->Object()) : nullptr;
    if (IsValid())
      block->AddHandle();
  }

  // A move hands the reference over: the count does not change and the source becomes empty.
  Handle(Handle&& other) noexcept : block(other.block), id(other.id), site(other.site), cached(other.cached)
  {
    other.Clear();
  }

  // The copy takes the new reference before the old one is dropped, so re-pointing at the same
  // block never lets its count touch zero.
  Handle& operator=(const Handle& other)
  {
    if (this != &other)
      *this = Handle(other);
    return *this;
  }

  Handle& operator=(Handle&& other) noexcept
  {
    if (this == &other)
      return *this;
    BlockHeader* oldBlock = IsValid() ? block : nullptr;
    const HandleSite oldSite = site;
    block = other.block;
    id = other.id;
    site = other.site;
    cached = other.cached;
    other.Clear();
    if (oldBlock != nullptr)
      oldBlock->RemoveHandle(oldSite);
    return *this;
  }

  ~Handle()
  {
    if (IsValid())
      block->RemoveHandle(site);
  }

  bool IsValid() const { return id != 0 && block != nullptr && block->currentId == id; }
  explicit operator bool() const { return IsValid(); }

  T* Get() const { return IsValid() ? static_cast<T*>(block->Object()) : nullptr; }
  T* operator->() const { return Get(); }
  T& operator*() const { return *Get(); }

  // Drops this handle's reference and empties it. A stale handle is left as it is.
  void Reset()
  {
    if (!IsValid())
      return;
    block->RemoveHandle(site);
    Clear();
  }

  // Ends the object now, whatever other handles exist; they all go stale.
  void Release()
  {
    if (!IsValid())
      return;
    BlockHeader* header = block;
    block = nullptr;
    site = HandleSite();
    cached = nullptr;
    header->ReleaseAndDestroy();
  }

  std::uint32_t GetId() const { return id; }
  BlockHeader* GetBlock() const { return block; }
  const HandleSite& GetSite() const { return site; }

  bool operator==(const Handle& other) const { return block == other.block && id == other.id; }
  bool operator!=(const Handle& other) const { return !(*this == other); }

private:
  void Clear()
  {
    block = nullptr;
    id = 0;
    site = HandleSite();
    cached = nullptr;
  }

  BlockHeader* block = nullptr;
  std::uint32_t id = 0;
  HandleSite site;
  T* cached = nullptr;  // for the debugger only; every access validates and recomputes
};
