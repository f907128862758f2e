#include "platform/msgstore/FaultInjection.h"

#include <atomic>

namespace platform::msgstore::faults {

namespace {

std::atomic<int> g_query_rows_after{-1};
std::atomic<uint32_t> g_get_props_tag{0};
std::atomic<bool> g_logon{false};

}  // namespace

void FailQueryRowsAfter(int rows) {
  g_query_rows_after.store(rows);
}
void FailGetProps(uint32_t tag) {
  g_get_props_tag.store(tag);
}
void FailLogon(bool fail) {
  g_logon.store(fail);
}

void Reset() {
  g_query_rows_after.store(-1);
  g_get_props_tag.store(0);
  g_logon.store(false);
}

bool QueryRowsShouldFail(int rows_handed_out) {
  int after = g_query_rows_after.load();
  return after >= 0 && rows_handed_out >= after;
}

bool GetPropsShouldFail(uint32_t tag) {
  uint32_t failing = g_get_props_tag.load();
  return failing != 0 && failing == tag;
}

bool LogonShouldFail() {
  return g_logon.load();
}

}  // namespace platform::msgstore::faults
