#pragma once

#include "Context.h"
#include "SettingsFile.h"

namespace sporix {

// Re-reads the settings and the interface texts of the stored language and puts them on
// the windows; run at the first activation of the main window and on every return to it.
void loadSettingsAndTexts(Context& c);
// Writes both settings; a folder that cannot be written is not reported.
void saveSettings(Context& c);
// The captions and check marks that depend on the kind of searching.
void applySearchKindTexts(Context& c);

// The six items of the Language menu.
void switchLanguage(Context& c, int languageIndex);
void clearAfterLanguageChange(Context& c);

}  // namespace sporix
