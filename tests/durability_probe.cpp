// SPDX-License-Identifier: MIT
// One run through the core and Module1, as the button makes it, with every question answered
// Yes; it returns the moment the run is over. For tests/durability_test.sh, which looks at what
// the device holds at that moment.
//   durability_probe SOURCE FOLDER COUNT

#include <cstdio>
#include <cstring>

#include "duplicator.h"
#include "fake_delegate.h"
#include "fake_window.h"
#include "module1.h"
#include "utf.h"

using namespace ferrowick;

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SOURCE FOLDER COUNT\n", argv[0]);
    return 2;
  }
  testing::ScriptedUser user;
  user.agree = Answer::YesToAll;
  Module1 module1(user, user);
  testing::FakeWindow window;
  window.text[Box::File] = FromUtf8(argv[1]);
  window.text[Box::Dir] = FromUtf8(argv[2]);
  window.text[Box::Copies] = FromUtf8(argv[3]);
  window.text[Box::Prefix] = u"1";
  Duplicator(window, module1, u'/').Run();
  int errors = static_cast<int>(user.unmade + user.reported.size());
  for (const NotMade& failure : user.reported) {
    std::fprintf(stderr, "%s: %s\n", ToBytes(failure.path).c_str(), std::strerror(failure.code));
  }
  // Times or attributes the target would not keep cost no copy.
  for (const RunNote& note : user.notes) {
    if (note.kind == RunNote::Kind::NotKept) {
      std::fprintf(stderr, "not kept: %s\n", std::strerror(note.times));
    }
  }
  return window.messages.empty() && errors == 0 ? 0 : 1;
}
