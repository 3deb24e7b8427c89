#pragma once
// Running a few script lines on a playtest session, as the harness would,
// for the tests that drive the real game.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script.h"
#include "session.h"

namespace vv::test {

inline void RunScript(PlaytestSession& session, const std::string& script) {
  std::string error;
  std::vector<ScriptCommand> commands;
  ASSERT_TRUE(ParseScript(script, commands, error)) << error;
  ASSERT_TRUE(session.Run(commands, error)) << error;
}

}  // namespace vv::test
