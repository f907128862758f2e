// qbphone calls and qbphone mail: what the simulated phone and mail program were asked to do.
//   calls [--json]   the simulated phone's call log, oldest first: time, number, called party
//   calls clear      empties the call log
//   mail [--json]    the simulated mail program's compositions, oldest first: time, To text
//                    (and Cc, Bcc, subject and body in the JSON form)
//   mail clear       empties the mail log
//   sms outgoing [--json]   what the simulated network accepted, oldest first: time,
//                    destination, address type, encoding, parts, status report, class, text
//   sms outgoing clear      empties that record
//   network                 prints the simulated network's state (and the failure code)
//   network ok|off|fail CODE|unavailable
//                    later sends succeed, fail as with no network, fail with CODE (a failure
//                    code, hex with 0x or decimal), or the SMS service cannot be opened
// Times are UTC, "YYYY-MM-DDTHH:MM:SSZ". Plain lines are tab-separated with tabs, line breaks
// and backslashes escaped, so each entry stays on one line whatever a name holds.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "platform/Text.h"
#include "platform/mail/MailLog.h"
#include "platform/phone/CallLog.h"
#include "platform/sms/SimulatedNetwork.h"
#include "platform/ui/JsonWriter.h"

namespace qbphone {

namespace {

using platform::ui::JsonWriter;

std::string IsoTime(int64_t unix_seconds) {
  using namespace std::chrono;
  const sys_seconds at{seconds(unix_seconds)};
  const auto days = floor<std::chrono::days>(at);
  const year_month_day date{days};
  const hh_mm_ss clock{at - days};
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

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

// The argument list of "GROUP [--json]" or "GROUP clear": 0 list, 1 list as JSON, 2 clear,
// -1 anything else.
int ParseMode(const std::vector<std::string>& args) {
  if (args.empty()) return 0;
  if (args.size() == 1 && args[0] == "--json") return 1;
  if (args.size() == 1 && args[0] == "clear") return 2;
  return -1;
}

void PrintCalls(const std::vector<platform::phone::LoggedCall>& calls, bool json) {
  if (!json) {
    for (const auto& call : calls) {
      std::printf("%s\t%s\t%s\n", IsoTime(call.unix_seconds).c_str(),
                  PlainField(call.number).c_str(), PlainField(call.called_party).c_str());
    }
    return;
  }
  JsonWriter out;
  out.BeginArray();
  for (const auto& call : calls) {
    out.BeginObject();
    out.StringField("time", IsoTime(call.unix_seconds));
    out.StringField("number", call.number);
    out.StringField("called_party", call.called_party);
    out.EndObject();
  }
  out.EndArray();
  std::printf("%s\n", out.Text().c_str());
}

void PrintMail(const std::vector<platform::mail::LoggedMail>& mails, bool json) {
  if (!json) {
    for (const auto& mail : mails) {
      std::printf("%s\t%s\n", IsoTime(mail.unix_seconds).c_str(), PlainField(mail.to).c_str());
    }
    return;
  }
  JsonWriter out;
  out.BeginArray();
  for (const auto& mail : mails) {
    out.BeginObject();
    out.StringField("time", IsoTime(mail.unix_seconds));
    out.StringField("to", mail.to);
    out.StringField("cc", mail.cc);
    out.StringField("bcc", mail.bcc);
    out.StringField("subject", mail.subject);
    out.StringField("body", mail.body);
    out.EndObject();
  }
  out.EndArray();
  std::printf("%s\n", out.Text().c_str());
}

int Calls(const std::vector<std::string>& args) {
  const int mode = ParseMode(args);
  if (mode < 0) return CommandFailure("calls", kExitUsage, "usage: calls [--json] | calls clear");
  if (mode == 2) {
    return platform::phone::ClearCallLog()
               ? 0
               : CommandFailure("calls", kExitStoreFailed, "the call log cannot be written");
  }
  const auto calls = platform::phone::ReadCallLog();
  if (!calls) return CommandFailure("calls", kExitStoreFailed, "the call log cannot be read");
  PrintCalls(*calls, mode == 1);
  return 0;
}

int Mail(const std::vector<std::string>& args) {
  const int mode = ParseMode(args);
  if (mode < 0) return CommandFailure("mail", kExitUsage, "usage: mail [--json] | mail clear");
  if (mode == 2) {
    return platform::mail::ClearMailLog()
               ? 0
               : CommandFailure("mail", kExitStoreFailed, "the mail log cannot be written");
  }
  const auto mails = platform::mail::ReadMailLog();
  if (!mails) return CommandFailure("mail", kExitStoreFailed, "the mail log cannot be read");
  PrintMail(*mails, mode == 1);
  return 0;
}

void PrintOutgoing(const std::vector<platform::sms::RecordedSms>& list, bool json) {
  if (!json) {
    for (const auto& sms : list) {
      std::printf("%s\t%s\t%u\t%s\t%d\t%d\t%u\t%s\n", IsoTime(sms.unix_seconds).c_str(),
                  PlainField(sms.destination).c_str(), sms.address_type, sms.encoding.c_str(),
                  sms.parts, sms.status_report ? 1 : 0, sms.message_class,
                  PlainField(sms.text).c_str());
    }
    return;
  }
  JsonWriter out;
  out.BeginArray();
  for (const auto& sms : list) {
    out.BeginObject();
    out.StringField("time", IsoTime(sms.unix_seconds));
    out.StringField("destination", sms.destination);
    out.IntField("address_type", sms.address_type);
    out.StringField("text", sms.text);
    out.StringField("encoding", sms.encoding);
    out.IntField("parts", sms.parts);
    out.BoolField("status_report", sms.status_report);
    out.IntField("message_class", sms.message_class);
    out.EndObject();
  }
  out.EndArray();
  std::printf("%s\n", out.Text().c_str());
}

// "0x..." hex or decimal, as an unsigned 32-bit code.
std::optional<uint32_t> ParseCode(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
  }
  if (value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<uint32_t>(value);
}

int Network(const std::vector<std::string>& args) {
  namespace sms = platform::sms;
  constexpr const char* kUsage = "usage: network [ok|off|fail CODE|unavailable]";
  if (args.empty()) {
    const sms::NetworkSetting setting = sms::ReadNetworkSetting();
    std::printf("%s", sms::NetworkStateName(setting.state));
    if (setting.state == sms::NetworkState::kFail) {
      std::printf(" 0x%08x", static_cast<unsigned>(setting.fail_code));
    }
    std::printf("\n");
    return 0;
  }
  const auto state = sms::ParseNetworkState(args[0]);
  if (!state || args.size() != (*state == sms::NetworkState::kFail ? 2u : 1u)) {
    return CommandFailure("network", kExitUsage, kUsage);
  }
  sms::NetworkSetting setting = sms::ReadNetworkSetting();
  setting.state = *state;
  if (*state == sms::NetworkState::kFail) {
    const auto code = ParseCode(args[1]);
    if (!code || !sms::SmsFailed(static_cast<HRESULT>(*code))) {
      return CommandFailure("network", kExitUsage,
                            "CODE must be a failure code, 0x80000000 to 0xffffffff");
    }
    setting.fail_code = static_cast<HRESULT>(*code);
  }
  return sms::WriteNetworkSetting(setting)
             ? 0
             : CommandFailure("network", kExitStoreFailed, "the registry cannot be written");
}

}  // namespace

int SmsOutgoing(const std::vector<std::string>& args) {
  const int mode = ParseMode(args);
  if (mode < 0) {
    return CommandFailure("sms", kExitUsage, "usage: sms outgoing [--json] | sms outgoing clear");
  }
  if (mode == 2) {
    return platform::sms::ClearOutgoingSms()
               ? 0
               : CommandFailure("sms", kExitStoreFailed, "the SMS record cannot be written");
  }
  const auto list = platform::sms::ReadOutgoingSms();
  if (!list) return CommandFailure("sms", kExitStoreFailed, "the SMS record cannot be read");
  PrintOutgoing(*list, mode == 1);
  return 0;
}

namespace {

const CommandRegistrar kNetwork("network", "network [ok|off|fail CODE|unavailable]", Network);
const CommandRegistrar kCalls("calls", "calls [--json] | calls clear", Calls);
const CommandRegistrar kMail("mail", "mail [--json] | mail clear", Mail);

}  // namespace

}  // namespace qbphone
