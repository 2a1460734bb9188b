#pragma once
// A session as main builds it, without a window: its event manager published, its factory holding
// the shipped prefabs, and its settings in a temporary folder. Spaces, the frame's events, focus
// pause and the console work without GL.
#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/PrefabFiles.h"
#include "object/Space.h"
#include "support/RecordingAssertHandler.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class GameSessionTest : public ::testing::Test
{
protected:
  GameSessionTest()
  {
    EventManager::SetInstance(events.get());
    session = std::make_unique<GameSession>(MemoryManager::Instance(), nullptr, settingsFolder.Prefix());
    GameSession::SetInstance(session.get());
    PrefabFiles().Install(session->GetFactory());
    session->GetFactory().Initialize();
  }

  ~GameSessionTest() override
  {
    session->UnloadAllSpaces();
    session.reset();
    GameSession::SetInstance(nullptr);
    EventManager::SetInstance(nullptr);
  }

  // A space adopted into the live map, as the first ManageSpaces of a frame does.
  Space* LiveSpace(const std::string& name, const std::string& level = "testlevel")
  {
    Space* space = session->GetSpace(name, level);
    session->ManageSpaces();
    return space;
  }

  RecordingAssertHandler asserts;
  TemporaryDirectory settingsFolder;
  std::unique_ptr<EventManager> events = std::make_unique<EventManager>();
  std::unique_ptr<GameSession> session;
};
