#include "map_source.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "tile_table.h"
#include "world_layout.h"

namespace vv::gen {
namespace {

struct KeyTile {
  int kind = 0;
  int image = 0;
  int rotation = 1;
};

struct Key {
  bool defined = false;
  std::vector<KeyTile> tiles;
};

using Keys = std::array<Key, 128>;

[[noreturn]] void Fail(const std::string& file, int line, const std::string& what) {
  throw std::runtime_error(file + ":" + std::to_string(line) + ": " + what);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::string Quoted(char symbol) {
  return std::string("'") + symbol + "'";
}

// "2:8" or "2:8r2".
KeyTile ParseKeyTile(std::string_view word, const std::string& file, int line) {
  const std::size_t colon = word.find(':');
  const std::size_t turn = word.find('r');
  KeyTile tile;
  const std::string_view imageText =
      colon == std::string_view::npos ? std::string_view{} : word.substr(colon + 1, turn - colon - 1);
  if (colon == std::string_view::npos || !ParseInt(word.substr(0, colon), tile.kind) ||
      !ParseInt(imageText, tile.image)) {
    Fail(file, line, "expected a tile such as 2:8 or 2:8r2, found \"" + std::string(word) + "\"");
  }
  if (turn != std::string_view::npos &&
      (!ParseInt(word.substr(turn + 1), tile.rotation) || tile.rotation < 1 || tile.rotation > 4)) {
    Fail(file, line, "the turn of \"" + std::string(word) + "\" must be r1..r4");
  }
  if (LookUpTile(tile.kind, tile.image).area < 0) {
    Fail(file, line, "there is no tile picture " + std::string(word.substr(0, turn)));
  }
  return tile;
}

void ParseKey(const std::vector<std::string_view>& words, const std::string& file, int line, Keys& keys) {
  if (words.size() < 3 || words[1].size() != 1) Fail(file, line, "expected: key <symbol> <tile>...");
  const char symbol = words[1][0];
  if (symbol <= ' ' || symbol > '~' || symbol == '.') {
    Fail(file, line, "the symbol " + Quoted(symbol) + " cannot be used (\'.\' is bare ground)");
  }
  Key key;
  key.defined = true;
  // The tiles; the first word that does not start with a digit begins a description.
  for (std::size_t i = 2; i < words.size() && words[i][0] >= '0' && words[i][0] <= '9'; ++i) {
    key.tiles.push_back(ParseKeyTile(words[i], file, line));
  }
  if (key.tiles.empty()) Fail(file, line, "the key " + Quoted(symbol) + " names no tile");
  for (const KeyTile& tile : key.tiles) {
    const TileInfo info = LookUpTile(tile.kind, tile.image);
    if (info.size > CELL && key.tiles.size() > 1) {
      Fail(file, line, "a large tile must have a symbol of its own");
    }
    if (info.pictureW != info.pictureH && tile.rotation != 1) {
      Fail(file, line, "a picture that is not square cannot be turned");
    }
  }
  keys[static_cast<unsigned char>(symbol)] = key;
}

void ParseLegend(const std::string& file, std::string_view text, Keys& keys) {
  const auto lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const auto words = Words(lines[i]);
    if (words.empty() || words[0][0] == '#') continue;
    if (words[0] != "key") Fail(file, line, "a legend holds only key lines");
    ParseKey(words, file, line, keys);
  }
}

struct Header {
  int level = 0;
  int ground = 0;
  int mapLine = 0;  // line of the first row
  std::vector<std::string_view> rows;
};

Header ParseHeader(const std::string& file, std::string_view text, const LegendReader& readLegend,
                   Keys& keys) {
  Header header;
  const auto lines = SplitLines(text);
  std::size_t i = 0;
  for (; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const auto words = Words(lines[i]);
    if (words.empty() || words[0][0] == '#') continue;
    const std::string_view command = words[0];
    if (command == "map") {
      if (words.size() != 1) Fail(file, line, "the map line takes nothing after it");
      break;
    }
    if (command == "key") {
      ParseKey(words, file, line, keys);
      continue;
    }
    if (words.size() != 2 && !(words.size() > 2 && words[2][0] == '#')) {
      Fail(file, line, "expected one value after \"" + std::string(command) + "\"");
    }
    if (command == "level") {
      if (!ParseInt(words[1], header.level) || header.level < 1 || header.level > LEVEL_COUNT) {
        Fail(file, line, "the level must be 1.." + std::to_string(LEVEL_COUNT));
      }
    } else if (command == "ground") {
      if (!ParseInt(words[1], header.ground) || header.ground < 1 || header.ground > AREA_COUNT) {
        Fail(file, line, "the ground must be 1.." + std::to_string(AREA_COUNT));
      }
    } else if (command == "legend") {
      std::string legendFile;
      const std::string legendText = readLegend(std::string(words[1]), legendFile);
      ParseLegend(legendFile, legendText, keys);
    } else {
      Fail(file, line,
           "unknown line \"" + std::string(command) + "\" (expected level, ground, legend, key or map)");
    }
  }
  const int last = static_cast<int>(lines.size());
  if (i == lines.size()) Fail(file, last, "no map line");
  if (header.level == 0) Fail(file, static_cast<int>(i) + 1, "the level is not given before the map");
  if (header.ground == 0) Fail(file, static_cast<int>(i) + 1, "the ground is not given before the map");
  header.mapLine = static_cast<int>(i) + 2;
  for (++i; i < lines.size() && header.rows.size() < SCREEN_CELLS_Y; ++i) {
    const int line = static_cast<int>(i) + 1;
    const std::string_view text = lines[i];
    std::size_t end = 0;
    while (end < text.size() && !IsSpace(text[end])) ++end;
    const auto rest = Words(text.substr(end));
    if (end != SCREEN_CELLS_X) {
      Fail(
          file, line,
          "a row must be " + std::to_string(SCREEN_CELLS_X) + " symbols, this one is " + std::to_string(end));
    }
    if (!rest.empty() && rest[0][0] != '#') Fail(file, line, "only a comment may follow a row");
    header.rows.push_back(text.substr(0, end));
  }
  if (header.rows.size() < SCREEN_CELLS_Y) {
    Fail(
        file, last,
        "the map has " + std::to_string(header.rows.size()) + " rows, not " + std::to_string(SCREEN_CELLS_Y));
  }
  for (; i < lines.size(); ++i) {
    const auto words = Words(lines[i]);
    if (!words.empty() && words[0][0] != '#') {
      Fail(file, static_cast<int>(i) + 1,
           "nothing but comments may follow the " + std::to_string(SCREEN_CELLS_Y) + " rows of the map");
    }
  }
  return header;
}

MapTile MakeTile(const KeyTile& key, int cx, int cy) {
  MapTile tile;
  const int size = LookUpTile(key.kind, key.image).size;
  tile.kind = key.kind;
  tile.image = key.image;
  tile.x = cx * CELL;
  tile.y = cy * CELL;
  tile.width = size;
  tile.height = size;
  tile.rotation = key.rotation;
  return tile;
}

}  // namespace

ScreenDesign ParseLevel(const std::string& file, std::string_view text, const LegendReader& readLegend) {
  Keys keys;
  const Header header = ParseHeader(file, text, readLegend, keys);
  ScreenDesign design;
  design.level = header.level;
  design.ground = header.ground;

  std::vector<MapTile> floor;
  std::vector<MapTile> obstacles;
  std::array<std::array<bool, SCREEN_CELLS_X>, SCREEN_CELLS_Y> claimed{};
  for (int cy = 0; cy < SCREEN_CELLS_Y; ++cy) {
    const int line = header.mapLine + cy;
    for (int cx = 0; cx < SCREEN_CELLS_X; ++cx) {
      const char symbol = header.rows[cy][cx];
      if (symbol == '.' || claimed[cy][cx]) continue;
      const Key& key = keys[static_cast<unsigned char>(symbol) & 127];
      if (!key.defined) {
        Fail(file, line, "unknown symbol " + Quoted(symbol) + " in column " + std::to_string(cx));
      }
      for (const KeyTile& part : key.tiles) {
        const TileInfo info = LookUpTile(part.kind, part.image);
        if (info.area != ANY_AREA && info.area != header.ground) {
          Fail(file, line,
               "the symbol " + Quoted(symbol) + " in column " + std::to_string(cx) + " is a " +
                   AREA_NAMES[info.area] + " tile on ground " + std::to_string(header.ground) + " (" +
                   AREA_NAMES[header.ground] + ")");
        }
        if (info.size > CELL) {
          // The first free cell of a large tile's symbol, row by row, is its top-left corner.
          const int cells = info.size / CELL;
          if (cx * CELL + info.pictureW > SCREEN_W || cy * CELL + info.pictureH > SCREEN_H) {
            Fail(file, line,
                 "the large tile " + Quoted(symbol) + " at column " + std::to_string(cx) +
                     " would be painted past the edge of the screen");
          }
          for (int fy = cy; fy < cy + cells && fy < SCREEN_CELLS_Y; ++fy) {
            for (int fx = cx; fx < cx + cells && fx < SCREEN_CELLS_X; ++fx) {
              if (header.rows[fy][fx] != symbol || claimed[fy][fx]) {
                Fail(file, line,
                     "the large tile " + Quoted(symbol) + " starting in column " + std::to_string(cx) +
                         " needs its symbol on all of its " + std::to_string(cells) + " by " +
                         std::to_string(cells) + " cells; column " + std::to_string(fx) + " of row " +
                         std::to_string(fy) + " is not");
              }
              claimed[fy][fx] = true;
            }
          }
        }
        (part.kind == FLOOR ? floor : obstacles).push_back(MakeTile(part, cx, cy));
      }
    }
  }
  design.tiles = std::move(floor);
  design.tiles.insert(design.tiles.end(), obstacles.begin(), obstacles.end());
  return design;
}

}  // namespace vv::gen
