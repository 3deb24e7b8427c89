#pragma once
// The review scenes: the real game on the real platform through the playtest
// session, put into the states a player meets and photographed for looking
// at (make review-shots). A scene checks only that it reached each state;
// when it did not, it says so on stderr and goes on.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "game/game.h"
#include "session.h"

namespace vv::review {

// One roll the game will make: Rand(low, high) giving `value`.
struct Roll {
  int low, high, value;
};

class Scene {
 public:
  explicit Scene(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // Starts the game; false when it could not.
  bool Start();
  int problems() const { return problems_; }

 protected:
  Game& g() { return session_.game(); }
  int* Hero(int h) { return g().HeroStats[h]; }

  // The last presented frame as FOLDER/NAME.png.
  void Shot(const std::string& name);
  // A key down for one frame and up for the next.
  void Key(int code);
  void Move(int x, int y, int frames = 2);
  void Click(int x, int y, int button = 1, int frames = 2);
  void Frames(int n) { session_.Frames(n); }
  // Counts and reports a state the scene failed to reach.
  bool Expect(bool reached, const std::string& what);

  // A Fighter and a Sorcerer of the given levels, everything else plain:
  // attributes `attribute`, full health, the first spell, areas already
  // introduced, remarks off, standing in the world.
  void Party(int level1, int level2, int attribute);
  // An item into a hero's slot with its copied fields, full unless a
  // condition is given.
  void Equip(int h, int slot, int number, int condition = -1);
  // An item into the grid at its top-left cell, in full condition.
  void Put(int column, int row, int category, int number);
  // Seeds the game so that its next rolls come out as listed.
  void SeedRolls(std::initializer_list<Roll> rolls);

  PlaytestSession session_{PlaytestOptions{}};

 private:
  std::filesystem::path folder_;
  int problems_ = 0;
};

// Each scene writes its pictures into `folder`; returns the problems met.
int WorldScene(const std::filesystem::path& folder);
int ItemScene(const std::filesystem::path& folder);
int CombatScene(const std::filesystem::path& folder);
int SpellScene(const std::filesystem::path& folder);

}  // namespace vv::review
