// The run context: the one process-wide record that the user interface fills
// in before a run and reads back after it.
#pragma once

#include <cstdint>
#include <string>

namespace vorlane {

// Which screen the main window paints.
enum class ScreenState : unsigned {
  StartScreen = 0,
  SelectListScreen = 1,
  ResultScreen = 2,
  ListMissingScreen = 3,
  InfoScreen = 4,
  ParameterScreen = 5,
};

struct RunContext {
  std::string listPath;       // the list file's name, relative to the current directory
  std::string code;           // as typed; upper case once a run has ended
  std::string toleranceText;  // as typed
  std::string resultFileName;  // the result file as named on disk, in UTF-8
  std::int64_t fileCount = 0;
  std::int64_t occurrenceCount = 0;
  bool resultComplete = true;  // every write of the last run reached the result file
  ScreenState screenState = ScreenState::StartScreen;
};

RunContext& CurrentRun();

}  // namespace vorlane
