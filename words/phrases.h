// SPDX-License-Identifier: MIT
#pragma once
// The words of the core's phrases, in English: the program's own words as its first window
// says them, and the source of every translation. A Qt window looks each up in its catalogue
// under the context "ferrowick::Form1"; Qt's lupdate finds them by the marker below.

#include "window_services.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ferrowick {

constexpr const char* English(Phrase phrase) {
  switch (phrase) {
    case Phrase::NoFile:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Error: No file selected.");
    case Phrase::PathTooLong:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Error: File path is too long.");
    case Phrase::CopiesNotWhole:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "Error: Number of copies must be a whole number.");
    case Phrase::CopiesTooBig:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "Error: Number of copies must be 32767 or less.");
    case Phrase::CopiesNotPositive:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "Error: Number of copies must be greater than zero.");
    case Phrase::StartNotWhole:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "Error: Starting number must be a whole number.");
    case Phrase::StartTooBig:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Error: Starting number must be 32767 or less.");
    case Phrase::StartNotPositive:
      return QT_TRANSLATE_NOOP("ferrowick::Form1",
                               "Error: Starting number must be greater than zero.");
    case Phrase::SumTooBig:
      return QT_TRANSLATE_NOOP(
          "ferrowick::Form1",
          "Error: Starting number plus number of copies must not exceed 32767.");
    case Phrase::CopyingTo:
      return QT_TRANSLATE_NOOP("ferrowick::Form1", "Copying to: ");
  }
  return "";
}

}  // namespace ferrowick
