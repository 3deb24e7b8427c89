#pragma once
// Running a few script lines on a playtest session, as the harness would,
// for the tests that drive the real game.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script.h"
#include "session.h"

namespace vv::test {

// Starts the session; on failure the result says why.
inline ::testing::AssertionResult Started(PlaytestSession& session) {
  std::string error;
  if (session.Start(error)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << error;
}

inline void RunScript(PlaytestSession& session, const std::string& script) {
  std::string error;
  std::vector<ScriptCommand> commands;
  ASSERT_TRUE(ParseScript(script, commands, error)) << error;
  ASSERT_TRUE(session.Run(commands, error)) << error;
}

}  // namespace vv::test
