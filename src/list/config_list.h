// The configuration list: rows in display order, each paired with its record
// (slot i for row i), with the mark, the highlight and the focus. Whole-caption
// searches answer from an index of folded captions, so they cost the same with five
// rows as with 65,535.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/records.h"

namespace mvane {

inline constexpr int MaxConfigRows = 65535;
inline constexpr int NoRow = -1;

class ConfigList {
 public:
  ConfigList();

  int Count() const { return static_cast<int>(records_.size()); }
  bool IsFull() const { return Count() >= MaxConfigRows; }
  const TesselRegistry& Record(int row) const { return records_[row]; }

  // Appends a row without the mark and answers its index; a full list takes nothing
  // and answers NoRow.
  int Append(TesselRegistry record);
  // Removes the row; the rows after it move up one place with their records.
  void Remove(int row);
  void Clear();
  void SetRecord(int row, TesselRegistry record);
  void SetCaption(int row, std::string caption);
  void SetSelected(int row, std::int32_t selected) { records_[row].Selected = selected; }

  bool Marked(int row) const { return marks_[row] != 0; }
  void SetMarked(int row, bool marked) { marks_[row] = marked ? 1 : 0; }
  int FirstMarked() const;

  int Highlighted() const { return highlighted_; }
  void SetHighlighted(int row) { highlighted_ = row; }
  int Focused() const { return focused_; }
  void SetFocused(int row) { focused_ = row; }

  // The first row whose whole caption matches without regard to case, or NoRow.
  int FindCaption(std::string_view caption) const;
  // The smallest n from 1 to 65534 such that no caption matches the default name
  // with n, or 0 when every one is taken.
  int FirstFreeDefaultNumber() const;

 private:
  void IndexCaption(int row);
  void UnindexCaption(int row);
  void MarkDefaultNumber(const std::string& folded, bool taken);

  std::vector<TesselRegistry> records_;
  std::vector<std::uint8_t> marks_;
  std::unordered_map<std::string, std::vector<int>> rowsByCaption_;  // folded caption -> rows, ascending
  std::vector<std::uint64_t> takenDefaultNumbers_;                    // bit n: "新しい設定(n)" is taken
  int highlighted_ = NoRow;
  int focused_ = NoRow;
};

// The default name of a new configuration with its number.
std::string DefaultConfigName(int number);

}  // namespace mvane
