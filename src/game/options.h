#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace tomaruk {

struct Game;

// An option flag byte is on when it is non-zero.
inline bool On(uint8_t flag) { return flag != 0; }

// The 25 bytes of option.dat, in file order. Flags are 0 / 255 on disk.
struct OptionRecord {
  uint8_t InitialLine = 11;  // 7..15
  uint8_t SeatCount = 4;     // 2..8
  uint8_t MinStair = 4;      // 4..6
  uint8_t RandomOrder = 0;
  uint8_t ScoreGoalIndex = 0;  // 0 = 200, 1 = 500, 2 = 1000
  uint8_t SkipWhenOut = 0;
  uint8_t Flag3 = 255, Flag4 = 255, Flag5 = 255, Flag7 = 255, Flag8 = 255, Flag8F = 255, Flag9 = 255,
          Flag10 = 255, FlagJ = 255, FlagQ = 255, FlagM = 255, FlagR = 255;
  uint8_t ComCharacter[7] = {1, 2, 3, 4, 5, 6, 7};  // seats 2..8 (file offsets 18..24)

  // The flags read as truth values, the one reading every rule uses: a flag is
  // on when its byte is non-zero (the file and the dialog write only 0 or 255).
  bool ShuffleCharacters() const { return On(RandomOrder); }
  bool FastWhenHumanOut() const { return On(SkipWhenOut); }
  bool SpadeThreesFlushJoker() const { return On(Flag3); }
  bool EvenOddLock() const { return On(Flag4); }
  bool FiveSkips() const { return On(Flag5); }
  bool BlackSevenLowersLine() const { return On(Flag7); }
  bool EightClears() const { return On(Flag8); }
  bool NoFinishOnEight() const { return On(Flag8F); }
  bool NoFinishOnNine() const { return On(Flag9); }
  bool FourTensStopAll() const { return On(Flag10); }
  bool JackTurnsOrder() const { return On(FlagJ); }
  bool QueenReverses() const { return On(FlagQ); }
  bool NoFinishOnStrongest() const { return On(FlagM); }
  bool NoFinishOnJoker() const { return On(FlagR); }

  // Character chosen for seat 2..8.
  uint8_t& ComFor(int seat) { return ComCharacter[seat - 2]; }
  uint8_t ComFor(int seat) const { return ComCharacter[seat - 2]; }
};
static_assert(sizeof(OptionRecord) == 25, "option.dat is 25 packed bytes");

constexpr std::size_t kOptionBytes = 25;

// Reads a record from whatever bytes a file held: short files read as zeros
// beyond their end, every field outside its range takes its default, and a
// non-zero flag reads as on (255).
OptionRecord DecodeOptions(const uint8_t* bytes, std::size_t n);
void EncodeOptions(const OptionRecord& o, uint8_t out[kOptionBytes]);

// Reads the record from the file (missing or damaged files give defaults); LoadOptions
// also assigns the seats' characters. Only a regular file is read (a FIFO would
// never answer), and only its first 25 bytes, whatever its size.
OptionRecord ReadOptionFile(const std::string& path);
void LoadOptions(Game& g, const std::string& path);
// Writes the 25 bytes at offset 0, keeping a longer file's tail, without ever
// leaving the file empty or half written: the new contents go to a fresh file
// beside it, which then takes its name in one step. A symbolic link is
// replaced by that file and what it pointed at is left alone; a folder, a
// special file or a read-only file is left alone too, and a missing folder is
// not created. On failure returns false and, when why is given, says why.
bool SaveOptions(const Game& g, const std::string& path, std::string* why = nullptr);
// Copies the character choices into seats 2..8, shuffled among 2..SeatCount
// (201 swaps) when RandomOrder is on.
void AssignSeatCharacters(Game& g);
int WinningScore(const OptionRecord& o);

}  // namespace tomaruk
