// SPDX-License-Identifier: MIT
#pragma once
// The Linux program's words in the user's language, from Qt's catalogues and ours.

#include "catalogue.h"

namespace ferrowick::catalogue {

// Loads Qt's catalogue and ours for the default locale, which is the desktop's language
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) unless set otherwise; English where there is none.
// After the application object exists, and again after the default locale changed.
void LoadCatalogues();

}  // namespace ferrowick::catalogue
