#pragma once
// Music and sound: what plays now.

namespace vv {

struct AudioTables {
  int AreaSong = 0;          // module playing outside battle (title or area track), 0 none
  int CombatSong = 0;        // battle module, 0 none
  int MusicState = 0;        // 0 none, 1 title, 2 area track, 3 battle track
  int AreaTrackPlaying = 0;  // music number 1..5 of the track in AreaSong
  int ResumeAreaMusic = 0;   // 1: the area track was paused for a battle
  int MusicLevel = 0;        // 0..1000, fade level of the area track

  // Which file each module came from, for the state dump: n of trackn.xm in
  // AreaSong, m of combatm.xm in CombatSong; 0 when the song is 0.
  int AreaSongFile = 0;
  int CombatSongFile = 0;
};

}  // namespace vv
