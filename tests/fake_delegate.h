// SPDX-License-Identifier: MIT
#pragma once
// The copy engine's and the run's users, for tests: they answer as told and keep what they were
// asked and told; and the few file helpers every engine test needs.

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "copy_engine.h"
#include "module1.h"
#include "run_answers.h"
#include "utf.h"

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
  std::vector<NotMade> errors;
  std::vector<RunNote> notes;
  int progressCalls = 0;

  bool AskReplace(const ReplaceQuestion& question) override {
    asked.push_back("replace " + ToBytes(question.target));
    facts.push_back(question);
    return replace;
  }
  bool AskCreateFolder(const std::u16string& folder) override {
    asked.push_back("folder " + ToBytes(folder));
    return createFolder;
  }
  bool AskStallingFolder(const std::u16string& folder) override {
    asked.push_back("stalling " + ToBytes(folder));
    return true;
  }
  void ReportError(const NotMade& failure) override { errors.push_back(failure); }
  void ReportNote(const RunNote& note) override { notes.push_back(note); }
  bool Progress(std::uint64_t, std::uint64_t) override {
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

// The run's user, for tests: answers the boxes from a script, then as `agree` says for the
// questions (what Enter would pick, unless told otherwise), and keeps what it was told.
class ScriptedUser : public RunHost, public FolderDialog {
 public:
  std::deque<int> script;
  int boxes = 0;

  Answer agree = Answer::No;
  std::vector<NotMade> reported;
  std::vector<RunNote> notes;

  Answer AskReplace(const ReplaceQuestion&) override { return Next(agree); }
  Answer AskCreateFolder(const std::u16string&) override { return Next(agree); }
  Answer AskStallingFolder(const std::u16string&, int) override { return Next(agree); }
  ErrorAnswer ReportError(const NotMade& failure) override {
    reported.push_back(failure);
    return Next(ErrorAnswer::Skip);
  }
  void ReportNote(const RunNote& note) override {
    notes.push_back(note);
    Next(0);
  }
  ProgressAnswer Progress(const RunProgress& progress) override {
    shown.push_back(progress);
    if (script.empty() || progress.writing || !answersProgress) return ProgressAnswer::Go;
    const auto answer = static_cast<ProgressAnswer>(script.front());
    script.pop_front();
    return answer;
  }
  void ProgressDone() override { ++displaysClosed; }
  void Idle() override {}
  void ReportUnmade(std::size_t count, const std::vector<NotMade>&, bool) override {
    unmade = count;
  }
  std::size_t unmade = 0;
  bool answersProgress = false;  // the script is for the progress display, not the boxes
  std::vector<RunProgress> shown;
  int displaysClosed = 0;
  std::u16string ChooseFolder() override { return {}; }

 private:
  template <typename T>
  T Next(T byDefault) {
    ++boxes;
    if (script.empty()) return byDefault;
    const auto answer = static_cast<T>(script.front());
    script.pop_front();
    return answer;
  }
};

inline void Write(const fs::path& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

inline std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Everything below `folder`, folders included unless left out, as sorted paths relative to it:
// what a test compares to prove that nothing was left behind.
inline std::vector<std::string> Listing(const fs::path& folder, bool folders = true) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (folders || !entry.is_directory()) names.push_back(fs::relative(entry.path(), folder));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace ferrowick::testing
