#pragma once

#include "core/UserDefaults.h"

// What the preferences dialog shows and returns.
struct PreferencesValues {
    int decimalPlaces = 2;
    bool autoDeleteTapes = false;
    bool autoCheck = false;
    bool fade = true;
    TapeEdge edge = TapeEdge::Left;
    Language language = Language::System;
};
