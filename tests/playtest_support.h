#pragma once
// What the tests that run the real game through the playtest session share:
// the folder for review screenshots and running a few script lines.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "script.h"
#include "session.h"

namespace vv::test {

// The folder VIZID_SHOTS names, made if missing; empty when it is not set,
// and then no screenshots are written.
inline std::filesystem::path ShotsFolder() {
  const char* dir = std::getenv("VIZID_SHOTS");
  if (!dir) return {};
  std::filesystem::create_directories(dir);
  return dir;
}

// Runs script lines on the session as the harness would.
inline void RunScript(PlaytestSession& session, const std::string& script) {
  std::string error;
  std::vector<ScriptCommand> commands;
  ASSERT_TRUE(ParseScript(script, commands, error)) << error;
  ASSERT_TRUE(session.Run(commands, error)) << error;
}

}  // namespace vv::test
