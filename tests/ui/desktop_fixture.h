// A started desktop program for each test, in a fresh folder, and the
// moves of a person at its windows: menu commands, the file dialog's name
// box and buttons, the parameter dialog's keys.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/paint_recorder.h"
#include "ui/ident_scan_app.h"

class QDialog;

class DesktopProgram : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CWnd& frame() { return *app_->m_pMainWnd; }
  const std::filesystem::path& folder() const { return folder_; }

  // Paints the whole main window; the recorder holds what was drawn.
  QImage PaintMainWindow();
  const PaintRecorder& painted() const { return recorder_; }
  // The colour of a client-area pixel of the last painted image.
  QColor ClientPixel(int x, int y) const;
  CRect ClientRect();

  void TriggerMenu(const char* text);

  // Schedules answers to the file dialog that the next "Start" opens: the
  // name typed into its name box and "Open" pressed, or "Cancel" pressed.
  void WhenFileDialogOpens(const std::string& typedName);
  void WhenFileDialogOpensCancel();
  // Schedules typing into the parameter dialog: the code into the code box
  // (which has the focus), Tab, the tolerance over the box's text, Enter.
  void WhenParameterDialogOpensType(const QString& code, const QString& tolerance);

  // One whole run through the menu with the list file and the typed texts.
  void RunThroughMenu(const std::string& listPath, const QString& code, const QString& tolerance);

  static void WriteFile(const std::filesystem::path& path, const std::string& bytes);
  static std::string ReadFile(const std::filesystem::path& path);

  std::unique_ptr<CIdentScanApp> app_;

 private:
  std::filesystem::path folder_;
  std::filesystem::path startFolder_;
  PaintRecorder recorder_;
  QImage image_;
};

// The parameter dialog's widget while it is open.
inline constexpr char kParameterDialogName[] = "dialog103";
