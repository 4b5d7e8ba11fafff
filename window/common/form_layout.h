// SPDX-License-Identifier: MIT
#pragma once
// Where every control of the main window sits and what it says, in twips (1/1440 inch), for
// every toolkit's Form1. Each window converts twips to its own pixels once. The captions are
// the English words, UTF-8, which a window shows translated where it can: a translation must
// fit the same place.

#include "phrases.h"

namespace ferrowick::layout {

struct Place {
  const char* caption;  // nullptr where the control has none
  int left, top, width, height;
};

inline constexpr int kClientWidth = 5880;
inline constexpr int kClientHeight = 10605;

inline constexpr Place Label1{
    QT_TRANSLATE_NOOP("ferrowick::Form1", "Step 1: Select a file to duplicate."), 120, 120, 5700,
    255};
inline constexpr Place txtFile{nullptr, 120, 480, 5655, 285};
inline constexpr Place cmdChooseFile{QT_TRANSLATE_NOOP("ferrowick::Form1", "&Choose a File"), 120,
                                     840, 1695, 375};
inline constexpr Place Line1{nullptr, 120, 1320, 5760 - 120, 15};
inline constexpr Place Label2{
    QT_TRANSLATE_NOOP("ferrowick::Form1", "Step 2: Enter the number of copies to make."), 120, 1560,
    5700, 255};
inline constexpr Place txtCopies{nullptr, 120, 1920, 615, 285};
inline constexpr Place Line2{nullptr, 120, 2280, 5760 - 120, 15};
inline constexpr Place Label3{
    QT_TRANSLATE_NOOP(
        "ferrowick::Form1",
        "Step 3: Enter a starting number for the tag to be attached to each new filename."),
    120, 2520, 5700, 255};
inline constexpr Place txtPrefix{nullptr, 120, 2880, 615, 285};
inline constexpr Place TagLocation0{QT_TRANSLATE_NOOP("ferrowick::Form1", "Prefix"), 1440, 2880,
                                    1095, 350};
inline constexpr Place TagLocation1{QT_TRANSLATE_NOOP("ferrowick::Form1", "Suffix"), 2640, 2880,
                                    1095, 350};
inline constexpr Place Line3{nullptr, 120, 3240, 5760 - 120, 15};
inline constexpr Place Label5{
    QT_TRANSLATE_NOOP("ferrowick::Form1",
                      "Step 4: Select a directory for the copies. Leave blank if the copies "
                      "should go in the same directory as the original file."),
    120, 3480, 5700, 510};
inline constexpr Place txtDir{nullptr, 120, 4080, 5655, 285};
inline constexpr Place cmdChooseDir{QT_TRANSLATE_NOOP("ferrowick::Form1", "Choose a &Directory"),
                                    120, 4440, 1695, 375};
inline constexpr Place Line4{nullptr, 120, 4920, 5760 - 120, 15};
inline constexpr Place cmdGo{QT_TRANSLATE_NOOP("ferrowick::Form1", "&Duplicate File"), 1560, 5280,
                             2775, 495};
inline constexpr Place Label4{QT_TRANSLATE_NOOP("ferrowick::Form1", "Status"), 120, 6720, 2295,
                              255};
inline constexpr Place txtStatus{nullptr, 120, 6960, 5655, 3375};

// The widest caption that must fit on one line; the window font is chosen by it.
inline constexpr const Place& kWidestOneLine = Label3;

// Grey of the step bands and the read-only boxes, 0xRRGGBB.
inline constexpr unsigned kGrey = 0xE0E0E0;

// How a window of `client` pixels' designed height fits a screen's work area of `room` pixels,
// with the window's frame of `frame`: only the status box, `status` high, gives height up, and it
// keeps at least `keep`; below that the controls scroll in a window of the room there is, never
// shorter than `shortest`.
struct Fit {
  int status;  // the status box's height
  int client;  // the controls' area
  int shown;   // the window's client area; the controls scroll where it is below `client`
};
inline constexpr Fit FitIn(int client, int frame, int room, int status, int keep, int shortest) {
  const int excess = client + frame - room;
  const int shortfall = excess <= 0 ? 0 : excess < status - keep ? excess : status - keep;
  const int free = room - frame > shortest ? room - frame : shortest;
  const int shown = client - shortfall < free ? client - shortfall : free;
  return {status - shortfall, client - shortfall, shown};
}

// The number boxes take digits and backspace from the keyboard, nothing else: a key set to 0 is
// dropped.
template <typename Char>
constexpr void DigitsOnly(Char& KeyAscii) {
  if ((KeyAscii < Char('0') || KeyAscii > Char('9')) && KeyAscii != Char(8)) KeyAscii = 0;
}

// The program's name, never translated.
inline constexpr char16_t kTitle[] = u"Ferrowick";
inline constexpr const char* kFileDialogTitle =
    QT_TRANSLATE_NOOP("ferrowick::Form1", "Select a file to duplicate");
inline constexpr const char* kFolderDialogTitle =
    QT_TRANSLATE_NOOP("ferrowick::Form1", "Select a target directory");

}  // namespace ferrowick::layout
