// The scanner layer: three calls in the shape the program expects of an image-acquisition
// library, served by SANE. libsane is loaded at the first call; without it no source exists.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/model.h"

namespace fotivo {

// A SANE device as the user sees it in the list of sources.
struct ScanSource {
  std::string name;   // SANE device name, e.g. "test:0"
  std::string label;  // vendor, model and kind
};

// Shows the sources and answers the index chosen, or -1 for cancel.
using SourceChooser = std::function<int(const std::vector<ScanSource>& sources, int current)>;

// Every source SANE reports; empty when SANE is not there.
std::vector<ScanSource> scanSources();

// The source remembered from an earlier choice, in this run or the one before; empty if none.
std::string chosenSource();

}  // namespace fotivo

// 1 when SANE loads and initialises, else 0.
int TWAIN_IsAvailable();
// Lets the user choose the source through chooser; the choice is kept for this run and, in
// the user's configuration directory, for the next. Answers 0 when a source was chosen;
// problems, when given, receives what kept the choice from being saved for the next run.
int TWAIN_SelectImageSource(const fotivo::SourceChooser& chooser, fotivo::Problems* problems = nullptr);
// Scans one page in colour from the chosen source, or else the first, and writes it to path
// as a 24-bit Windows bitmap. 0 on success; nonzero when no image was written.
int TWAIN_AcquireToFilename(const std::string& path);
