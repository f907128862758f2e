// Fault injection at the store's seam, for tests of the callers' failure paths: a table that
// breaks after some rows, a property that cannot be read, a logon that fails. Every fault is
// off by default and process-wide; tests switch them on and call Reset() when done.
#pragma once

#include <cstdint>

namespace platform::msgstore::faults {

// QueryRows fails (MAPI_E_CALL_FAILED) once a table has handed out `rows` rows; -1 turns it off.
void FailQueryRowsAfter(int rows);
// GetProps on any object returns an error value (MAPI_E_CALL_FAILED) for this tag; 0 turns it off.
void FailGetProps(uint32_t tag);
// Logon fails with MAPI_E_LOGON_FAILED while set.
void FailLogon(bool fail);
void Reset();

// Queries used by the store itself.
bool QueryRowsShouldFail(int rows_handed_out);
bool GetPropsShouldFail(uint32_t tag);
bool LogonShouldFail();

}  // namespace platform::msgstore::faults
