// The contact cache file, "contact.cache.txt" in the program folder: for every contact shown
// at the last load, the already formatted texts and the values the list, the filters and the
// SMS matching need, so that the list appears at start before the store is read.
//
// Layout: the header line "v0.15" CR LF, then one record of 14 lines per contact, in store
// order, nothing after the last. Each line is "#", the escaped value, CR LF (CacheFormat.h):
//    1 object id (signed decimal)   2 favourite (0 or 1)   3 sort key   4 display name
//    5 second line   6-8 e-mail 1-3   9 header   10 detail   11 company   12 city
//   13 categories   14 phone list ("<field id>µ<number>µ" per entry, preferred last)
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "contacts/CacheFileWriter.h"
#include "contacts/CacheLineReader.h"
#include "contacts/ContactListItem.h"

inline constexpr const char* kContactCacheFileName = "contact.cache.txt";
// A cache file larger than this is not read.
inline constexpr size_t kMaxContactCacheBytes = 32u * 1024 * 1024;
// Records past this many are not read (the store phase adds those contacts).
inline constexpr size_t kMaxCachedContacts = 50000;

void WriteCacheHeader(CacheFileWriter& file);
void WriteCacheRecord(const ContactListItem& record, CacheFileWriter& file);

// Reads the next record into `record` (fresh from the caller). Sets `record.shown` to false
// when the file ends before the record is complete; such a record is to be dropped.
void ReadCacheRecord(CacheLineReader& reader, ContactListItem& record);

// Reads a whole cache: the shown records (at most kMaxCachedContacts), each `row_height` pixels
// high, in file order. Nothing when the first line is not exactly the header (a byte-order mark
// included).
std::vector<std::unique_ptr<ContactListItem>> ReadContactCache(CacheLineReader& reader,
                                                               int32_t row_height);

// The cache path in the program folder.
std::string ContactCachePath();
