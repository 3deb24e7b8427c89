#pragma once
// The heroes: their record, creation and sheet.

namespace vv {

struct PartyTables {};

}  // namespace vv
