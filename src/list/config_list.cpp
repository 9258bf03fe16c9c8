#include "list/config_list.h"

#include <algorithm>
#include <bit>

#include "common/text.h"

namespace mvane {
namespace {

constexpr int LastDefaultNumber = 65534;
constexpr std::string_view DefaultNamePrefix = "新しい設定(";

// n when the folded caption is a default name with n from 1 to 65534, else 0.
int DefaultNumberOf(const std::string& folded) {
  if (folded.size() < DefaultNamePrefix.size() + 2 || !folded.starts_with(DefaultNamePrefix) ||
      folded.back() != ')') {
    return 0;
  }
  const std::string_view digits(folded.data() + DefaultNamePrefix.size(),
                                folded.size() - DefaultNamePrefix.size() - 1);
  if (digits.empty() || digits.size() > 5 || digits.front() == '0') return 0;
  int number = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') return 0;
    number = number * 10 + (digit - '0');
  }
  return number <= LastDefaultNumber ? number : 0;
}

}  // namespace

std::string DefaultConfigName(int number) { return "新しい設定(" + std::to_string(number) + ")"; }

ConfigList::ConfigList() : takenDefaultNumbers_((LastDefaultNumber + 1 + 63) / 64, 0) {}

int ConfigList::Append(TesselRegistry record) {
  if (IsFull()) return NoRow;
  records_.push_back(std::move(record));
  marks_.push_back(0);
  IndexCaption(Count() - 1);
  return Count() - 1;
}

void ConfigList::Remove(int row) {
  UnindexCaption(row);
  // Later rows move up: their places in the index move with them.
  if (row + 1 < Count()) {
    for (auto& [caption, rows] : rowsByCaption_) {
      for (int& r : rows) {
        if (r > row) --r;
      }
    }
  }
  records_.erase(records_.begin() + row);
  marks_.erase(marks_.begin() + row);
  const auto shift = [row](int& index) {
    if (index == row) index = NoRow;
    else if (index > row) --index;
  };
  shift(highlighted_);
  shift(focused_);
}

void ConfigList::Clear() {
  records_.clear();
  marks_.clear();
  rowsByCaption_.clear();
  std::fill(takenDefaultNumbers_.begin(), takenDefaultNumbers_.end(), 0);
  highlighted_ = NoRow;
  focused_ = NoRow;
}

void ConfigList::SetRecord(int row, TesselRegistry record) {
  UnindexCaption(row);
  records_[row] = std::move(record);
  IndexCaption(row);
}

void ConfigList::SetCaption(int row, std::string caption) {
  UnindexCaption(row);
  records_[row].ConfigName = std::move(caption);
  IndexCaption(row);
}

int ConfigList::FirstMarked() const {
  const auto marked = std::find(marks_.begin(), marks_.end(), 1);
  return marked == marks_.end() ? NoRow : static_cast<int>(marked - marks_.begin());
}

int ConfigList::FindCaption(std::string_view caption) const {
  const auto found = rowsByCaption_.find(FoldText(caption));
  return found == rowsByCaption_.end() ? NoRow : found->second.front();
}

int ConfigList::FirstFreeDefaultNumber() const {
  for (std::size_t word = 0; word < takenDefaultNumbers_.size(); ++word) {
    // Bit 0 of the first word stands for the number 0, which is never offered.
    const std::uint64_t taken = takenDefaultNumbers_[word] | (word == 0 ? 1u : 0u);
    if (taken == ~std::uint64_t{0}) continue;
    const int number = static_cast<int>(word * 64) + std::countr_one(taken);
    return number <= LastDefaultNumber ? number : 0;
  }
  return 0;
}

void ConfigList::IndexCaption(int row) {
  const std::string folded = FoldText(records_[row].ConfigName);
  std::vector<int>& rows = rowsByCaption_[folded];
  rows.insert(std::upper_bound(rows.begin(), rows.end(), row), row);
  if (rows.size() == 1) MarkDefaultNumber(folded, true);
}

void ConfigList::UnindexCaption(int row) {
  const std::string folded = FoldText(records_[row].ConfigName);
  const auto found = rowsByCaption_.find(folded);
  if (found == rowsByCaption_.end()) return;
  std::vector<int>& rows = found->second;
  rows.erase(std::find(rows.begin(), rows.end(), row));
  if (rows.empty()) {
    rowsByCaption_.erase(found);
    MarkDefaultNumber(folded, false);
  }
}

void ConfigList::MarkDefaultNumber(const std::string& folded, bool taken) {
  const int number = DefaultNumberOf(folded);
  if (number == 0) return;
  const std::uint64_t bit = std::uint64_t{1} << (number % 64);
  if (taken) {
    takenDefaultNumbers_[number / 64] |= bit;
  } else {
    takenDefaultNumbers_[number / 64] &= ~bit;
  }
}

}  // namespace mvane
