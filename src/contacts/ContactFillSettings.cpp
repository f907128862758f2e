// Copying the fill settings out of the theme.
#include "contacts/ContactFillSettings.h"

#include "theme/SettingManager.h"

ContactFillSettings ContactFillSettings::FromTheme() {
  const theme::SettingManager& s = theme::Settings();
  ContactFillSettings settings;
  settings.expressions.header = s.contact_header_formatting;
  settings.expressions.second_line = s.contact_secondline_formatting;
  settings.expressions.sort = s.contact_sort_expression;
  settings.expressions.detail = s.contact_detail_formatting;
  settings.hide_contact_without_phone = s.hide_contact_without_phone;
  settings.contact_height = s.contact_height;
  return settings;
}
