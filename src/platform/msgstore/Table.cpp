#include "platform/msgstore/Table.h"

#include <algorithm>

#include "platform/msgstore/FaultInjection.h"

namespace platform::msgstore {

Table::Table(Loader loader, std::vector<uint32_t> default_columns)
    : loader_(std::move(loader)), columns_(std::move(default_columns)) {}

HRESULT Table::SetColumns(std::span<const uint32_t> tags, uint32_t /*flags*/) {
  if (tags.empty() || tags.size() > kMaxTableColumns) return MAPI_E_INVALID_PARAMETER;
  columns_.assign(tags.begin(), tags.end());
  return S_OK;
}

HRESULT Table::EnsureLoaded() {
  if (loaded_) return S_OK;
  std::vector<PropRow> rows;
  HRESULT hr = loader_(columns_, rows);
  if (Failed(hr)) return hr;
  rows_ = std::move(rows);
  loaded_ = true;
  return S_OK;
}

PropRow Table::Project(const PropRow& row) const {
  PropRow out;
  out.reserve(columns_.size());
  for (uint32_t tag : columns_) {
    auto it =
        std::find_if(row.begin(), row.end(), [tag](const PropValue& v) { return v.tag == tag; });
    out.push_back(it != row.end() ? *it : PropValue::Error(tag, MAPI_E_NOT_FOUND));
  }
  return out;
}

HRESULT Table::QueryRows(int count, uint32_t /*flags*/, std::vector<PropRow>& rows) {
  rows.clear();
  if (count <= 0) return MAPI_E_INVALID_PARAMETER;
  HRESULT hr = EnsureLoaded();
  if (Failed(hr)) return hr;
  if (faults::QueryRowsShouldFail(static_cast<int>(cursor_))) return MAPI_E_CALL_FAILED;
  while (rows.size() < static_cast<size_t>(count) && cursor_ < rows_.size()) {
    rows.push_back(Project(rows_[cursor_++]));
  }
  return S_OK;
}

int Table::RowCount() {
  if (Failed(EnsureLoaded())) return -1;
  return static_cast<int>(rows_.size());
}

}  // namespace platform::msgstore
