#include "app/Window1.h"

void Window1::PushButton1_Action() {}
void Window1::PushButton3_Action() {}
void Window1::lines_field_LostFocus() {}
void Window1::lines_field_TextChange() {}
void Window1::UpDownArrows1_Down() {}
void Window1::UpDownArrows1_Up() {}
void Window1::lines_slider_ValueChanged() {}
void Window1::ChooseOutputBtn_Action() {}
void Window1::checkOutputFolder() {}
void Window1::ShellCompleted(Shell&) {}
void Window1::MoveCompleted(Shell&) {}
