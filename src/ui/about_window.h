// frmAbout: the credits picture in a window sized around it. Built afresh at
// each showing and destroyed when the user closes it.
#pragma once

#include "platform/windowing.h"
#include "ui/form.h"

namespace tolmarin::app {
class App;
}

namespace tolmarin::ui {

class AboutWindow : public platform::WindowEvents {
 public:
  explicit AboutWindow(app::App& app);
  void OnClose() override;

  Form form;
  Control& Picture1;

 private:
  app::App& app_;
};

// Loads frmAbout (fitted around its picture, centred, captioned with
// message 1), shows it modally and brings frmMain back when it is closed.
void ShowAboutWindow(app::App& app);

}  // namespace tolmarin::ui
