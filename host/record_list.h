#pragma once
// A growable list of records that owns them. Positions count from 1, and a position outside the list
// is an internal failure that ends the program.
#include <cstddef>
#include <vector>

#include "host/fatal.h"

namespace host {

template <typename Record>
class RecordList {
 public:
  void append(Record record) { records_.push_back(std::move(record)); }
  int size() const { return static_cast<int>(records_.size()); }

  Record& at(int position) {
    if (position < 1 || position > size()) fatalExit();
    return records_[static_cast<std::size_t>(position - 1)];
  }

  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }

 private:
  std::vector<Record> records_;
};

}  // namespace host
