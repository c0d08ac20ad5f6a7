#pragma once

#include <memory>
#include <string>

#include "platform/Object.h"

// A local date and time to the second. Its text form is "YYYY-MM-DD HH:MM:SS".
class Date : public Object {
 public:
  // The current local time.
  Date();
  // The given local date and time; out-of-range fields are not checked here (use FromText).
  Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

  int Year() const { return m_year; }
  int Month() const { return m_month; }
  int Day() const { return m_day; }
  int Hour() const { return m_hour; }
  int Minute() const { return m_minute; }
  int Second() const { return m_second; }

  // The text form "YYYY-MM-DD HH:MM:SS".
  std::string SQLDateTime() const;

  // Reads "YYYY-MM-DD HH:MM:SS", "YYYY-MM-DD" or the UTC form "YYYY-MM-DDTHH:MM:SSZ" (turned
  // into local time); nullptr when the text is none of these or names no real date and time.
  static std::shared_ptr<Date> FromText(const std::string& text);

 private:
  int m_year, m_month, m_day, m_hour, m_minute, m_second;
};
