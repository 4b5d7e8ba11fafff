// SPDX-License-Identifier: MIT
#pragma once
// The copy engine's user, for tests: answers as told and keeps what it was asked and told; and
// the few file helpers every engine test needs.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "copy_engine.h"

namespace ferrowick::testing {

namespace fs = std::filesystem;

class ScriptedDelegate : public CopyDelegate {
 public:
  bool replace = false;
  bool createFolder = false;
  bool cancelOnProgress = false;
  std::function<void()> onProgress = [] {};
  std::vector<std::string> asked;
  std::vector<ReplaceQuestion> facts;
  std::vector<CopyFailure> errors;
  int progressCalls = 0;

  bool AskReplace(const ReplaceQuestion& question) override {
    asked.push_back("replace " + question.target);
    facts.push_back(question);
    return replace;
  }
  bool AskCreateFolder(const std::string& folder) override {
    asked.push_back("folder " + folder);
    return createFolder;
  }
  void ReportError(const CopyFailure& failure) override { errors.push_back(failure); }
  bool Progress(const std::string&, const std::string&, std::uint64_t, std::uint64_t) override {
    ++progressCalls;
    onProgress();
    return !cancelOnProgress;
  }
};

inline std::string Bytes(std::size_t size, unsigned salt = 1) {
  std::string data(size, '\0');
  std::mt19937 random(salt);
  for (char& c : data) c = static_cast<char>(random());
  return data;
}

inline void Write(const fs::path& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

inline std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Everything below `folder`, folders included, as sorted paths relative to it.
inline std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.push_back(fs::relative(entry.path(), folder));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace ferrowick::testing
