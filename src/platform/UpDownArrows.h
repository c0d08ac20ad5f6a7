#pragma once

#include <QWidget>

// Two small stacked arrow buttons ("up" above "down") raising Up and Down; never takes focus.
class UpDownArrows : public QWidget {
  Q_OBJECT
 public:
  explicit UpDownArrows(QWidget* parent = nullptr);

 signals:
  void Up();
  void Down();

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
