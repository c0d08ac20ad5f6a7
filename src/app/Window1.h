#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/my_shell.h"
#include "platform/BevelButton.h"
#include "platform/FolderItem.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/ProgressWheel.h"
#include "platform/PushButton.h"
#include "platform/Slider.h"
#include "platform/TextField.h"
#include "platform/UpDownArrows.h"
#include "platform/Window.h"

class MenuItem;

// The main window: the four steps of a split.
class Window1 : public Window {
  Q_OBJECT
 public:
  static Window1* Instance();  // the single-instance accessor: the live window, made hidden on first use
  ~Window1() override;

  // Properties
  std::shared_ptr<FolderItem> outputFolder;
  std::shared_ptr<FolderItem> sourceFile;
  std::int64_t sourceFileLineCount = 0;
  bool useTRtrick = false;
  std::unique_ptr<my_shell> mshell;  // made by Event_Open
  std::shared_ptr<FolderItem> new_folder;
  std::string shortFilename;
  std::string suffix;

  // Control accessors, named after the controls, typed to their class (nullptr never happens
  // once the window is made).
  Label* StaticText1();
  Label* StaticText2();
  PushButton* PushButton1();
  Label* StaticText5();
  PushButton* PushButton3();
  Label* step1text();
  Label* steptext1();
  Label* result_text();
  Label* StaticText51();
  GroupBox* GroupBox1();
  TextField* lines_field();
  UpDownArrows* UpDownArrows1();
  Slider* lines_slider();
  Label* analysis();
  Label* StaticText21();
  BevelButton* BevelButton2();
  ProgressWheel* splitprwheel();
  Label* Label1();
  PushButton* ChooseOutputBtn();

  // Menu item accessors of the shared menu bar.
  MenuItem* EditMenu();
  MenuItem* EditSelectAll();
  MenuItem* UntitledMenu0();
  MenuItem* EditClear();
  MenuItem* EditPaste();
  MenuItem* EditCopy();
  MenuItem* EditCut();
  MenuItem* UntitledMenu1();
  MenuItem* EditUndo();
  MenuItem* FileMenu();
  MenuItem* FileQuit();
  MenuItem* About();

  // Handlers
  void PushButton1_Action();  // file selection and count
  void PushButton3_Action();  // split
  void lines_field_LostFocus();
  void lines_field_TextChange();
  void UpDownArrows1_Down();
  void UpDownArrows1_Up();
  void lines_slider_ValueChanged();
  void BevelButton2_Action();  // shows the about window
  void ChooseOutputBtn_Action();
  bool _About_Action();         // shows the about window; always true
  void Event_Open();            // hides splitprwheel, makes mshell
  void Event_Close() override;  // saves the settings, quits
  void checkOutputFolder();
  void ShellCompleted(Shell& sender);
  void MoveCompleted(Shell& sender);

 private:
  Window1();
  void Layout();
  void CreateControls();
  void _CreateControls0();
  void AttachHandlers(const std::string& controlName);
  void AddMenuHandlers();

  bool m_fileCounted = false;  // sourceFile is the file whose lines were last counted
  // Ends the run: no Completed handler stays attached, text goes to result_text, the wheel hides.
  void FinishRun(const QString& text);
};
