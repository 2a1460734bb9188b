#include "gameplay/props/InteractJukebox.h"

#include "audio/SoundEvents.h"
#include "core/Send.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/FrameEvents.h"

void InteractJukebox::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<InteractionEvent>(this);
}

void InteractJukebox::On(UpdateEvent* event)
{
  cooldown -= event->dt;
}

void InteractJukebox::On(InteractionEvent*)
{
  if (cooldown >= 0.0f)
    return;
  cooldown = Cooldown;
  playing = !playing;
  if (playing)
    Queue<CueMusicEvent>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/MenuMusic");
  else
    Queue<StopMusicEvent>(BRINDLE_SITE, SoundSystemChannel);
}
