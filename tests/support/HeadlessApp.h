// A test fixture that installs the headless backend as the application's window system, so every
// dialog is recorded and answered from the test's script.
#pragma once

#include <gtest/gtest.h>

#include "toolkit/Application.h"
#include "toolkit/StandardClasses.h"
#include "toolkit/headless/HeadlessBackend.h"

class HeadlessApp : public ::testing::Test {
 protected:
  HeadlessApp() {
    tk::RegisterStandardClasses();
    tk::Application().SetBackend(&backend);
    tk::Application().SetDialogs(nullptr);
    tk::Application().SetTitle("uninstzova");
    tk::Application().ResetTerminated();
  }
  ~HeadlessApp() override {
    tk::Application().SetMainForm(nullptr);
    tk::Application().SetBackend(nullptr);
  }
  tk::RecordingDialogs& dialogs() { return backend.Recorded(); }

  tk::HeadlessBackend backend;
};
