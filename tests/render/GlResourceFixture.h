#pragma once
// Tests of what loads into GL through the resource manager: skipped without the shared hidden
// window, fatal checks thrown so a test can expect them, and every resource given back after.
#include "support/HeadlessGl.h"
#include "support/RecordingAssertHandler.h"

#include "render/ResourceManagerTwo.h"

#include <gtest/gtest.h>

class GlResourceFixture : public ::testing::Test
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    SetFatalChecksThrow(true);
  }

  void TearDown() override
  {
    SetFatalChecksThrow(false);
    if (HeadlessGl::Get() != nullptr)
      ResourceManagerTwo::UnloadAll();
  }
};
