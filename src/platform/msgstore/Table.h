// A table of rows read from the store: the stores table, a folder's contents, a message's
// recipients. The rows are read in one snapshot when they are first asked for; the columns
// chosen with SetColumns are then cut from each row, a column that a row lacks coming back as
// a PT_ERROR value (MAPI_E_NOT_FOUND). The loader is told the columns chosen by then, so a
// large table reads only those (columns chosen after the first read come back as errors
// where the loader left them out).
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "platform/msgstore/PropValue.h"

namespace platform::msgstore {

inline constexpr size_t kMaxTableColumns = 256;

class Table {
 public:
  // Reads every row with at least the given columns (it may add others).
  using Loader =
      std::function<HRESULT(std::span<const uint32_t> columns, std::vector<PropRow>& rows)>;

  Table(Loader loader, std::vector<uint32_t> default_columns);

  HRESULT SetColumns(std::span<const uint32_t> tags, uint32_t flags);
  // Hands out up to `count` rows from the cursor and moves it on; no rows at the end.
  HRESULT QueryRows(int count, uint32_t flags, std::vector<PropRow>& rows);
  // Number of rows (reads the rows when they were not read yet); -1 on failure.
  int RowCount();

 private:
  HRESULT EnsureLoaded();
  PropRow Project(const PropRow& row) const;

  Loader loader_;
  std::vector<uint32_t> columns_;
  std::vector<PropRow> rows_;
  bool loaded_ = false;
  size_t cursor_ = 0;
};

}  // namespace platform::msgstore
