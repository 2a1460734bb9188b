#pragma once
// Removing an object through the event queue, so that it goes at the frame's processing of the
// queue like every other destruction.
#include "core/Handle.h"

class GameObject;

// Queues the object's destruction. Its space is made to listen on the object's id first, so the
// request is never lost on an object none of whose components asked for it. A dead handle is
// ignored.
void QueueRemoval(const Handle<GameObject>& object);
