#include "platform/Date.h"

#include <cstdio>
#include <ctime>

namespace {

bool isLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Reads exactly count digits at text[at].
bool digits(const std::string& text, std::size_t at, std::size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

}  // namespace

Date::Date() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  m_year = local.tm_year + 1900;
  m_month = local.tm_mon + 1;
  m_day = local.tm_mday;
  m_hour = local.tm_hour;
  m_minute = local.tm_min;
  m_second = local.tm_sec;
}

Date::Date(int year, int month, int day, int hour, int minute, int second)
    : m_year(year), m_month(month), m_day(day), m_hour(hour), m_minute(minute), m_second(second) {}

std::string Date::SQLDateTime() const {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", m_year, m_month, m_day, m_hour, m_minute,
                m_second);
  return text;
}

std::shared_ptr<Date> Date::FromText(const std::string& text) {
  int year, month, day, hour = 0, minute = 0, second = 0;
  if (!digits(text, 0, 4, year) || text.size() < 10 || text[4] != '-' || !digits(text, 5, 2, month) ||
      text[7] != '-' || !digits(text, 8, 2, day))
    return nullptr;
  bool utc = false;
  if (text.size() != 10) {
    if (text.size() < 19 || (text[10] != ' ' && text[10] != 'T') || !digits(text, 11, 2, hour) ||
        text[13] != ':' || !digits(text, 14, 2, minute) || text[16] != ':' || !digits(text, 17, 2, second))
      return nullptr;
    utc = text[10] == 'T';
    if (text.size() != (utc ? 20u : 19u) || (utc && text[19] != 'Z')) return nullptr;
  }
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23 ||
      minute > 59 || second > 59)
    return nullptr;
  if (!utc) return std::make_shared<Date>(year, month, day, hour, minute, second);

  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  const std::time_t moment = timegm(&fields);
  std::tm local{};
  if (localtime_r(&moment, &local) == nullptr) return nullptr;
  return std::make_shared<Date>(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                local.tm_min, local.tm_sec);
}
