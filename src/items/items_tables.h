#pragma once
// Items: what each hero wears and what the party carries.

namespace vv {

struct ItemTables {
  // [hero 1..2][slot 1..5][field 1..20]: 1 item number (0 empty), 2 condition,
  // 3..6 copies of the item's database fields 5..8.
  int HeroEquipment[3][6][21] = {};
  // [column 1..10][row 1..10][field 1..20]: at an item's top-left cell,
  // 1 category (0 none), 2 item number, 3 condition.
  int PartyInventory[11][11][21] = {};
};

}  // namespace vv
