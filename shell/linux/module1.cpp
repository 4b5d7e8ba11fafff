// SPDX-License-Identifier: MIT
#include "module1.h"

#include "utf.h"

namespace ferrowick {

void Module1::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  engine_.Copy(ToUtf8(source), ToUtf8(target));
}

std::u16string Module1::PickDirectory() {
  return folders_.ChooseFolder(u"Select a target directory");
}

}  // namespace ferrowick
