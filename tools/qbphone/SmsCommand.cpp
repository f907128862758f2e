// qbphone sms: the phone's SMS transport as seen from outside the program.
//   sms receive NUMBER TEXT [--name NAME] [--at ISO-TIME] [--read]
//       files the SMS in the Inbox of the "SMS" store (unread unless --read; the store raises
//       the platform's unread count) and prints its entry id in hex;
//   sms list [inbox|sent|outbox|drafts|deleted] [--json]
//   sms delete ENTRY   (entry id in hex, as printed by receive and list)
//   sms send NUMBER TEXT   sends as the conversation screen does (the profile's backend, the
//       Sent copy); prints the copy's entry id, or "-" when none was filed
//   (a sent SMS listed with --json names the state of its delivery report: "awaiting",
//   "delivered", "failed", or null when none was asked for)
//   sms outgoing [--json] | clear   (the simulated network's record, ServiceLogCommands.cpp)
// Arguments come from the command line and are checked: lengths are bounded, times parsed
// strictly, entry ids limited to 536 bytes of hex.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "messaging/SMSMessage.h"
#include "messaging/SmsSending.h"
#include "platform/Clock.h"
#include "platform/IsoTime.h"
#include "platform/Text.h"
#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsDelivery.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/msgstore/SmsRuleClients.h"
#include "platform/msgstore/SmsState.h"
#include "platform/msgstore/Table.h"
#include "platform/ui/JsonWriter.h"

namespace qbphone {

namespace {

namespace ms = platform::msgstore;
using ms::PropRow;
using ms::PropValue;

constexpr size_t kMaxNumber = 99;  // units; the interception bridge's sender field
constexpr size_t kMaxName = 255;
constexpr size_t kMaxText = 40000;  // a long concatenated SMS

int Fail(const std::string& text) {
  std::fprintf(stderr, "qbphone sms: %s\n", text.c_str());
  return 1;
}

int UsageError(const std::string& text) {
  std::fprintf(stderr, "qbphone sms: %s\n", text.c_str());
  return 2;
}

std::string HexOf(const std::vector<uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (uint8_t b : bytes) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 0xF]);
  }
  return out;
}

std::optional<std::vector<uint8_t>> BytesOfHex(const std::string& hex) {
  if (hex.empty() || hex.size() % 2 != 0 || hex.size() > 2 * ms::kMaxEntryIdBytes) return {};
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::vector<uint8_t> out;
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = nibble(hex[i]);
    int low = nibble(hex[i + 1]);
    if (high < 0 || low < 0) return {};
    out.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return out;
}

std::string IsoTime(FileTime time) {
  using namespace std::chrono;
  sys_seconds at{seconds(ms::UnixSecondsFromFileTime(time))};
  auto days = floor<std::chrono::days>(at);
  year_month_day date{days};
  hh_mm_ss clock{at - days};
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

// Printable text of bounded length with no control characters (a number or a name).
bool IsPlainField(const std::u16string& text, size_t max_units) {
  if (text.empty() || text.size() > max_units) return false;
  for (char16_t c : text) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

int SmsReceive(const std::vector<std::string>& args) {
  ms::SmsRecord record;
  record.time = ms::FileTimeFromUnixSeconds(platform::Clock::UnixSeconds());
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--read") {
      record.read = true;
    } else if ((arg == "--name" || arg == "--at") && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (arg == "--name") {
        record.sender_name = platform::FromUtf8(value);
        if (!IsPlainField(record.sender_name, kMaxName)) return UsageError("bad --name");
      } else {
        auto seconds = platform::ParseIsoTime(value);
        if (!seconds) return UsageError("bad --at (use YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM])");
        record.time = ms::FileTimeFromUnixSeconds(*seconds);
      }
    } else if (arg.rfind("--", 0) == 0) {
      return UsageError("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) return UsageError("usage: sms receive NUMBER TEXT [options]");
  record.sender_address = platform::FromUtf8(positional[0]);
  record.text = platform::FromUtf8(positional[1]);
  if (!IsPlainField(record.sender_address, kMaxNumber)) return UsageError("bad NUMBER");
  if (record.text.size() > kMaxText) return UsageError("TEXT is too long");
  std::vector<uint8_t> id;
  if (ms::Failed(ms::ReceiveSms(record, id))) return Fail("cannot file the SMS (store error)");
  std::printf("%s\n", HexOf(id).c_str());
  return 0;
}

struct ListedSms {
  std::string entry;
  bool read = false;
  std::optional<FileTime> time;
  std::u16string name;
  std::u16string address;
  std::u16string text;
  const char* delivery = nullptr;  // a sent SMS's delivery report: awaiting, delivered, failed
};

std::optional<int> FolderIndex(const std::string& name) {
  static const std::pair<const char*, int> kFolders[] = {
      {"deleted", 0}, {"drafts", 1}, {"inbox", 2}, {"outbox", 3}, {"sent", 4}};
  for (const auto& [text, index] : kFolders) {
    if (name == text) return index;
  }
  return {};
}

// Recipients' names and addresses of a sent SMS, joined with ", ".
void ReadRecipients(ms::Folder& folder, const std::vector<uint8_t>& id, ListedSms& sms) {
  std::unique_ptr<ms::Message> message;
  std::unique_ptr<ms::Table> table;
  if (ms::Failed(folder.OpenEntry(id, 0, message)) ||
      ms::Failed(message->GetRecipientTable(0, table))) {
    return;
  }
  const uint32_t columns[] = {PR_DISPLAY_NAME, PR_EMAIL_ADDRESS};
  table->SetColumns(columns, 0);
  std::vector<PropRow> rows;
  if (ms::Failed(table->QueryRows(static_cast<int>(ms::kMaxRecipients), 0, rows))) return;
  for (const PropRow& row : rows) {
    const char16_t* separator = sms.address.empty() ? u"" : u", ";
    sms.name += (sms.name.empty() ? u"" : u", ") + (row[0].IsError() ? u"" : row[0].str);
    sms.address += separator + (row[1].IsError() ? u"" : row[1].str);
  }
}

ListedSms ListedFromRow(const PropRow& row) {
  ListedSms sms;
  sms.entry = HexOf(row[0].bin);
  sms.read = !row[1].IsError() && (row[1].ul & MSGFLAG_READ) != 0;
  if (!row[2].IsError()) sms.time = row[2].ft;
  if (!sms.time && !row[3].IsError()) sms.time = row[3].ft;
  if (!row[4].IsError()) sms.name = row[4].str;
  if (!row[5].IsError()) sms.address = row[5].str;
  if (!row[6].IsError()) sms.text = row[6].str;
  if (!row[7].IsError()) {
    static const char* const kStates[] = {nullptr, "awaiting", "delivered", "failed"};
    sms.delivery = row[7].ul < std::size(kStates) ? kStates[row[7].ul] : nullptr;
  }
  return sms;
}

HRESULT ReadFolder(int index, std::vector<ListedSms>& out) {
  std::unique_ptr<ms::Session> session;
  std::unique_ptr<ms::Folder> folder;
  std::unique_ptr<ms::Table> table;
  HRESULT hr = ms::Session::Logon(session);
  if (!ms::Failed(hr)) hr = ms::OpenSpecialFolder(*session, u"SMS", index, folder);
  if (!ms::Failed(hr)) hr = folder->GetContentsTable(0, table);
  if (ms::Failed(hr)) return hr;
  const uint32_t columns[] = {PR_ENTRYID,
                              PR_MESSAGE_FLAGS,
                              PR_MESSAGE_DELIVERY_TIME,
                              PR_CREATION_TIME,
                              PR_SENDER_NAME,
                              PR_SENDER_EMAIL_ADDRESS,
                              PR_SUBJECT,
                              ms::PR_SMS_DELIVERY_STATUS};
  table->SetColumns(columns, 0);
  std::vector<PropRow> rows;
  hr = table->QueryRows(1 << 30, 0, rows);
  for (const PropRow& row : rows) {
    out.push_back(ListedFromRow(row));
    if (index == 3 || index == 4) ReadRecipients(*folder, row[0].bin, out.back());
  }
  return hr;
}

// One line per SMS: tabs and line breaks inside texts are shown as \t and \n.
std::string PlainField(const std::u16string& text) {
  std::string out;
  for (char c : platform::ToUtf8(text)) {
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      out += '?';
    } else {
      out += c;
    }
  }
  return out;
}

void PrintJson(const std::vector<ListedSms>& list) {
  std::printf("[");
  for (size_t i = 0; i < list.size(); ++i) {
    const ListedSms& sms = list[i];
    std::string time = sms.time ? "\"" + IsoTime(*sms.time) + "\"" : "null";
    std::printf(
        "%s\n  {\"entry\": \"%s\", \"read\": %s, \"time\": %s, \"name\": %s, "
        "\"address\": %s, \"text\": %s, \"delivery\": %s}",
        i ? "," : "", sms.entry.c_str(), sms.read ? "true" : "false", time.c_str(),
        platform::ui::JsonWriter::Quoted(sms.name).c_str(),
        platform::ui::JsonWriter::Quoted(sms.address).c_str(),
        platform::ui::JsonWriter::Quoted(sms.text).c_str(),
        sms.delivery ? ("\"" + std::string(sms.delivery) + "\"").c_str() : "null");
  }
  std::printf("%s]\n", list.empty() ? "" : "\n");
}

void PrintPlain(const std::vector<ListedSms>& list) {
  for (const ListedSms& sms : list) {
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", sms.entry.c_str(), sms.read ? "read" : "unread",
                sms.time ? IsoTime(*sms.time).c_str() : "-", PlainField(sms.address).c_str(),
                PlainField(sms.name).c_str(), PlainField(sms.text).c_str());
  }
}

int SmsList(const std::vector<std::string>& args) {
  int index = 2;
  bool json = false;
  bool folder_given = false;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (auto folder = FolderIndex(arg); folder && !folder_given) {
      index = *folder;
      folder_given = true;
    } else {
      return UsageError("usage: sms list [inbox|sent|outbox|drafts|deleted] [--json]");
    }
  }
  std::vector<ListedSms> list;
  HRESULT hr = ReadFolder(index, list);
  if (ms::Failed(hr)) return Fail("cannot read the folder (store error)");
  json ? PrintJson(list) : PrintPlain(list);
  return 0;
}

int SmsDelete(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("usage: sms delete ENTRY");
  auto id = BytesOfHex(args[0]);
  if (!id || !ms::EntryId::Decode(*id)) return UsageError("ENTRY is not an entry id");
  std::unique_ptr<ms::Session> session;
  HRESULT hr = ms::Session::Logon(session);
  if (ms::Failed(hr)) return Fail("cannot open the message store");
  hr = ms::DeleteAnywhere(*session, *id);
  if (hr == MAPI_E_NOT_FOUND) return Fail("no such message");
  if (ms::Failed(hr) || hr != S_OK) return Fail("cannot delete the message (store error)");
  return 0;
}

// Sends as the program's conversation screen does: through the profile's SMS backend, with
// the Sent copy the messaging settings ask for. Prints the Sent copy's entry id (or "-").
int SmsSend(const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError("usage: sms send NUMBER TEXT");
  const std::u16string number = platform::FromUtf8(args[0]);
  const std::u16string text = platform::FromUtf8(args[1]);
  if (!IsPlainField(number, kMaxNumber)) return UsageError("bad NUMBER");
  if (text.empty() || text.size() > kMaxText) return UsageError("bad TEXT");
  std::unique_ptr<SMSMessage> sent = SendSms(nullptr, text, number);
  if (sent->send_failed) return Fail(platform::ToUtf8(sent->text));
  std::printf("%s\n", IsUsableEntryId(sent->entry) ? HexOf(sent->entry.entry_id).c_str() : "-");
  return 0;
}

int SmsMain(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("missing subcommand (receive, list, delete, send, outgoing)");
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "receive") return SmsReceive(rest);
  if (args[0] == "list") return SmsList(rest);
  if (args[0] == "delete") return SmsDelete(rest);
  if (args[0] == "send") return SmsSend(rest);
  if (args[0] == "outgoing") return SmsOutgoing(rest);
  return UsageError("unknown subcommand " + args[0]);
}

const CommandRegistrar kRegistrar(
    "sms",
    "sms receive NUMBER TEXT [--name NAME] [--at ISO-TIME] [--read] | "
    "sms list [inbox|sent|outbox|drafts|deleted] [--json] | sms delete ENTRY | "
    "sms send NUMBER TEXT | "
    "sms outgoing [--json] | sms outgoing clear",
    SmsMain);

}  // namespace

}  // namespace qbphone
