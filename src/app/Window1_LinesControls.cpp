// Step 2: the lines-per-sub-file field, slider and arrows. The slider's value is the one value of
// record; the field and the arrows only move it, and its change handler writes the field and the
// estimate. The exchange ends at once because a control set to what it holds raises nothing.
#include "app/Window1.h"
#include "platform/TextFunctions.h"

void Window1::lines_field_LostFocus() {
  lines_slider()->SetValue(TruncateToInt64(Val(lines_field()->text().toStdString())));
}

void Window1::lines_field_TextChange() {
  lines_field_LostFocus();
}

void Window1::UpDownArrows1_Down() {
  const std::int64_t value = lines_slider()->Value();
  if (value > INT64_MIN) lines_slider()->SetValue(value - 1);
}

void Window1::UpDownArrows1_Up() {
  const std::int64_t value = lines_slider()->Value();
  if (value < INT64_MAX) lines_slider()->SetValue(value + 1);
}

void Window1::lines_slider_ValueChanged() {
  lines_field()->setText(QString::number(lines_slider()->Value()));
  const double subFiles =
      Ceil(static_cast<double>(sourceFileLineCount) / static_cast<double>(lines_slider()->Value()));
  analysis()->setText(QStringLiteral("At ") + QString::number(lines_slider()->Value()) +
                      QStringLiteral(" lines per file, you will get ") +
                      QString::fromStdString(Str(subFiles)) + QStringLiteral(" sub-files."));
}
